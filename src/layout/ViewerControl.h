#pragma once

namespace dd {

// The viewer's two controls, in their tab order: the table list, then the grid. Keys, the focus and Tab
// are decided per control.
enum class ViewerControl { List, Grid };

}  // namespace dd
