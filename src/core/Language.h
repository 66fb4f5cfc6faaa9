#pragma once

namespace mirato {

// The three languages the program speaks.
enum class Language { SimplifiedChinese, TraditionalChinese, English };

}  // namespace mirato
