#pragma once

class QDialog;
class QGridLayout;

namespace jorv {

// OK (the default button, control 1) and Cancel (control 2) in the last two of three columns of
// the grid's row, wired to the dialog's accept and reject.
void AddOkCancelRow(QDialog* dialog, QGridLayout* grid, int row);

}  // namespace jorv
