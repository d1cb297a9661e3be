#pragma once

// Marks a text of the engines that the windows show in the user's language. The engines use
// it as it is, in English; Qt's lupdate collects it for the translators as it collects
// QT_TRANSLATE_NOOP, and the windows look its translation up under `context`.
#define FORTUNIX_TRANSLATABLE(context, text) text
