#include "reading/InterpretationTexts.h"

namespace fortunix {

// Placeholder openings; the full paragraphs are being written.
const std::array<std::string_view, 12> kInterpretationParagraphs = {
    "Simmering with energy, you always seem to",
    "You are blessed with notable poise and",
    "Like a child full of inquisitiveness asking",
    "You are blessed with motherly qualities like",
    "An epitome of optimism, liveliness and high-level-energy",
    "The native with part of fortune in Virgo",
    "Having part of fortune in Libra signifies",
    "Gifted with exceptional power of perception and",
    "The person born with the part of fortune",
    "Possessing the phenomenal capacity to push your",
    "You are extremely unorthodox, advanced in your",
    "The part of fortune in Pisces indicates",
};

}  // namespace fortunix
