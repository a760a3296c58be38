#pragma once

namespace quarvel::testing {

// The box a click on the notice opens, word for word.
inline constexpr char kWarranty[] =
    "These programs and their documentation are offered without warranty of any kind. Zandrel, "
    "Dunmaran (QZ9XQ), makes no claim as to it's suitability for any purpose. This program is AS "
    "IS, and changes may be made to it at any time without incurring any obligations to former "
    "users. The entire risk arising from the use of this product remains with the user.";

}  // namespace quarvel::testing
