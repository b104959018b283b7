#pragma once
// What the main window shares with its pages: its seven long-lived query
// objects and the one save dialog of its report memos.

#include "store/query.h"

class QFileDialog;

namespace velmora::shell {

// The main window's query objects, bound once when the window is created.
struct MainQueries {
    store::Query ADOComDS{store::Query::kSearchTimeout};  // candidate search (Vudazod)
    store::Query ADOTem{store::Query::kLookupTimeout};    // strokes, traditional forms (Vudazod)
    store::Query ADOQname{
        store::Query::kDefaultTimeout};  // bound, kept for the detail window's use (Vudazod)
    store::Query ADOteam{store::Query::kDefaultTimeout};    // namefx readings (KelFile)
    store::Query ADOQuery1{store::Query::kDefaultTimeout};  // almanac days (KelBirth)
    store::Query AdoLeft{store::Query::kDefaultTimeout};    // dream categories (dream)
    store::Query AdoData{store::Query::kDefaultTimeout};    // dream titles and texts (dream)

    // Binds every query to its database file beside the executable.
    void BindAll();
    // Closes them in the order the window declares them.
    void CloseAll();
};

struct PageContext {
    MainQueries& queries;
    QFileDialog& SaveDialog1;  // shared by the report memos of the main window
};

}  // namespace velmora::shell
