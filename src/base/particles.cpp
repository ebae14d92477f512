#include "base/particles.h"

namespace lg {
namespace {

constexpr std::string_view kParticles =
    "/aan/ab/achter/aen/auf/aus/bei/bij/d/de/del/dela/della/dem/den/der/des/di/die/du/gen/"
    "ghen/gnt/het/im/in/la/le/met/of/onder/op/opden/over/'t/te/ten/ter/the/then/ther/tho/"
    "thoe/tot/uijt/uit/und/unter/up/uyt/v/vd/van/vande/vandem/vanden/vander/vom/von/voor/zem/"
    "zu/zum/zur/";

}  // namespace

bool IsParticle(std::string_view word) {
    // Particles are short; a long word is none, and a short one fits on the stack.
    char buffer[16];
    if (word.empty() || word.size() > sizeof buffer) return false;
    std::size_t open = word.find('(');
    std::size_t length = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (open != std::string_view::npos && word.find(')') == open + 2 && i >= open &&
            i <= open + 2)
            continue;
        buffer[length++] = word[i];
    }
    std::string_view tested(buffer, length);
    if (tested.empty() || tested.find('/') != std::string_view::npos) return false;
    for (std::size_t at = kParticles.find(tested); at != std::string_view::npos;
         at = kParticles.find(tested, at + 1)) {
        if (kParticles[at - 1] == '/' && kParticles[at + length] == '/') return true;
    }
    return false;
}

bool IsParticleInLowerCase(std::string_view word) {
    char buffer[16];
    if (word.size() > sizeof buffer) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        buffer[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return IsParticle(std::string_view(buffer, word.size()));
}

}  // namespace lg
