// The report list as screen readers meet it: a list of rows, each named by
// its first column and described by the texts of the others (the preset
// list's hidden pattern column). Qt presents a QTreeView as a tree of cells,
// column by column, the hidden column as cells of its own; its list form is
// made for QListView only, which cannot show report columns, so the list's
// accessible interfaces are our own.
#pragma once

namespace forms {

// Makes Qt's accessibility present every ReportListView as such a list.
// Idempotent.
void PresentReportListsAsLists();

}  // namespace forms
