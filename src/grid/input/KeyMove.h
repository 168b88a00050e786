#pragma once

#include <optional>

namespace Tarvex {

// What one key-down leaves for the step after its action: where the current cell goes and whether
// the selection shrinks to it. An unset row or column is the current one as the action left it.
struct KeyMove {
    std::optional<int> Row;    // target row position
    std::optional<int> Col;    // target column position
    bool SingleSelect { true }; // only the target row stays selected
    bool Repaint { false };     // the action changed what shows
    bool ScrollOnly { false };  // the key scrolled the page: the selection and the current cell stay
    bool Settled { false };     // a handler changed the grid under the action: what it did stands and
                                //   the key moves nothing more
};

} // namespace Tarvex
