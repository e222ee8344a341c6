#pragma once

// Characters in the secret word and in every guess: one letter box, one mark each.
inline constexpr int wordLength = 4;
