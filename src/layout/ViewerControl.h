#pragma once

namespace dd {

// The viewer's controls, in their tab order: the table list, then the grid, which shows a dictionary's field
// grid or, in the data view, the rows of a base's table (TableGrid: then it is the only control). Keys, the
// focus and Tab are decided per control.
enum class ViewerControl { List, Grid, TableGrid };

}  // namespace dd
