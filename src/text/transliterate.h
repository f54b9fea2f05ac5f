#pragma once
// Closest Latin letters for text in other scripts ("Łukasz" -> "Lukasz",
// "Иван" -> "Ivan"). The one place that knows the Unicode library.
#include <string>
#include <string_view>

namespace varnel {

// `utf8` written in Latin letters and ASCII punctuation. Characters that have
// no Latin form (pictographs) stay as they are.
std::string transliterateToLatin(std::string_view utf8);

}  // namespace varnel
