#include "ui/page_context.h"

#include "store/connection.h"

namespace velmora::ui {

void MainQueries::BindAll() {
    using store::BuildConnectionString;
    using store::DataFile;
    strokeLookup.Bind(BuildConnectionString(DataFile::Vudazod));
    nameStrokes.Bind(BuildConnectionString(DataFile::Vudazod));
    nameReadings.Bind(BuildConnectionString(DataFile::KelFile));
    almanacDays.Bind(BuildConnectionString(DataFile::KelBirth));
    dreamCategories.Bind(BuildConnectionString(DataFile::Dream));
    dreamTexts.Bind(BuildConnectionString(DataFile::Dream));
}

void MainQueries::CloseAll() {
    for (store::Query* query : {&strokeLookup, &nameStrokes, &nameReadings,
                                &almanacDays, &dreamCategories, &dreamTexts}) {
        query->Close();
    }
}

}  // namespace velmora::ui
