#include "shell/page_context.h"

#include "store/connection.h"

namespace velmora::shell {

void MainQueries::BindAll() {
    using store::BuildConnectionString;
    using store::DataFile;
    ADOComDS.Bind(BuildConnectionString(DataFile::Vudazod));
    ADOTem.Bind(BuildConnectionString(DataFile::Vudazod));
    ADOQname.Bind(BuildConnectionString(DataFile::Vudazod));
    ADOteam.Bind(BuildConnectionString(DataFile::KelFile));
    ADOQuery1.Bind(BuildConnectionString(DataFile::KelBirth));
    AdoLeft.Bind(BuildConnectionString(DataFile::Dream));
    AdoData.Bind(BuildConnectionString(DataFile::Dream));
}

void MainQueries::CloseAll() {
    for (store::Query* query :
         {&ADOComDS, &ADOTem, &ADOQname, &ADOteam, &ADOQuery1, &AdoLeft, &AdoData}) {
        query->Close();
    }
}

}  // namespace velmora::shell
