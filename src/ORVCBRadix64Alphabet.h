// ORVCBRadix64Alphabet.h - the radix-64 alphabet shared by the coding and the identifiers.
#pragma once

inline constexpr char ORVCBRadix64Alphabet[] =
    "+-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
