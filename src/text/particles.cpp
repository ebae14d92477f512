#include "text/particles.h"

#include <string>

namespace lg {
namespace {

constexpr std::string_view kParticles =
    "/aan/ab/achter/aen/auf/aus/bei/bij/d/de/del/dela/della/dem/den/der/des/di/die/du/gen/"
    "ghen/gnt/het/im/in/la/le/met/of/onder/op/opden/over/'t/te/ten/ter/the/then/ther/tho/"
    "thoe/tot/uijt/uit/und/unter/up/uyt/v/vd/van/vande/vandem/vanden/vander/vom/von/voor/zem/"
    "zu/zum/zur/";

}  // namespace

bool IsParticle(std::string_view word) {
    std::string tested(word);
    std::size_t open = tested.find('(');
    if (open != std::string::npos) {
        std::size_t close = tested.find(')');
        if (close == open + 2) tested.erase(open, 3);
    }
    if (tested.empty() || tested.find('/') != std::string::npos) return false;
    std::string key = "/" + tested + "/";
    return kParticles.find(key) != std::string_view::npos;
}

}  // namespace lg
