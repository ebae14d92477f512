#pragma once
// Name particles ("van", "der", "de", ...): the small words before a surname
// that sorting, shortening and surname comparison treat apart.

#include <string_view>

namespace lg {

// True when the word is in the lower-case particle list. A bracketed letter
// two characters on is ignored first ("de(n)" counts as "de"). Case-sensitive.
bool IsParticle(std::string_view word);
// IsParticle of the word in lower case (ASCII letters).
bool IsParticleInLowerCase(std::string_view word);

}  // namespace lg
