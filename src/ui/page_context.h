#pragma once
// What the main window shares with its pages: its six long-lived query
// objects and the one save dialog of its report memos.

#include <QString>
#include <functional>

#include "store/query.h"

namespace velmora::ui {

class SharedSaveDialog;

// The main window's query objects, bound once when the window is created.
struct MainQueries {
    store::Query strokeLookup{
        store::Query::kLookupTimeout};  // strokes, traditional forms (Vudazod)
    store::Query nameStrokes{
        store::Query::kDefaultTimeout};  // bound, kept for the detail window's use (Vudazod)
    store::Query nameReadings{store::Query::kDefaultTimeout};     // namefx readings (KelFile)
    store::Query almanacDays{store::Query::kDefaultTimeout};      // almanac days (KelBirth)
    store::Query dreamCategories{store::Query::kDefaultTimeout};  // dream categories (dream)
    store::Query dreamTexts{store::Query::kDefaultTimeout};       // dream titles and texts (dream)

    // Binds every query to its database file beside the executable.
    void BindAll();
    // Closes them in the order the window declares them.
    void CloseAll();
};

struct PageContext {
    MainQueries& queries;
    SharedSaveDialog& saveDialog;  // shared by the report memos of the main window
    // Shows a line in the main window's status strip (nothing when unset).
    std::function<void(const QString&)> showStatus = {};

    void ShowStatus(const QString& text) const {
        if (showStatus) showStatus(text);
    }
};

}  // namespace velmora::ui
