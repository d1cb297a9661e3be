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

// Appends the SearchKey of a text written in UTF-8 to `keys`, sparing Latin text the
// conversion to UTF-16.
void AppendSearchKey(QByteArray& keys, QByteArrayView utf8);

}  // namespace fortunix::atlas
