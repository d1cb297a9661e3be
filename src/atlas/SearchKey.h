#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

namespace fortunix::atlas {

// Search keys are the form in which typed text and atlas names are compared: lower case,
// accents dropped ("São" -> "sao"), apostrophes dropped ("Xi'an" -> "xian"), any other
// punctuation a word break ("Saint-Denis" -> "saint denis"), words separated by single spaces.
// In every script: case folded (Cyrillic, Greek with its final sigma, Armenian, Georgian
// capitals), the marks people leave out dropped (Greek tonos and dialytika, Hebrew points,
// Arabic short vowels and tatweel, the hamza and madda of alef: "أ" -> "ا"), and nothing that
// is a letter of its own (the vowel signs of Devanagari and Thai, the voicing marks of kana).
// Keys are composed (NFC), and compatibility forms taken apart ("ｶﾞ" -> "ガ").
// Every key (of a place's main name, of its other names, of a division, of a country and of
// what the user typed) is UTF-8: a byte a letter in Latin names, and as compact as the text
// for every other script. Their letters are read with atlas/KeyLetters.h.
QByteArray SearchKey(QStringView text);

// The search key of a place name, with the usual abbreviations written out ("St. Louis" and
// "Saint Louis" both -> "saint louis"), applied alike to typed cities and atlas names.
QByteArray PlaceNameKey(QStringView text);

// Appends the PlaceNameKey of a name written in UTF-8, as the atlas tables hold it, to `keys`:
// the atlas packs the keys of all its places one after another so, without a string for each.
void AppendPlaceNameKey(QByteArray& keys, QByteArrayView utf8Name);

// A search key without its spaces ("n y" -> "ny"), for codes and run-together names.
QByteArray CompactKey(QByteArrayView key);

// Whether `compact` is the search key without its spaces ("iledefrance" for "ile de france"),
// found without building it.
bool IsCompactFormOf(QByteArrayView compact, QByteArrayView key);

// Whether `initials` are the first letters of the words of the search key ("nsw" for
// "new south wales"), found without building them.
bool AreInitialsOf(QByteArrayView initials, QByteArrayView key);

}  // namespace fortunix::atlas
