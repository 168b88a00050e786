#pragma once

namespace Tarvex {

// How a constituent's background meets what lies under it; the numbers are the platform's own.
enum class BackStyles { Transparent = 0, Opaque = 1 };

} // namespace Tarvex
