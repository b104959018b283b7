// velmora-databuild SOURCES_DIR OUTPUT_DIR
// Creates the five read-only databases from the committed sources. Each file
// is built under a temporary name and renamed at the end, so a failed build
// never leaves a half-filled database behind.

#include <cstdio>
#include <exception>
#include <filesystem>

#include "builder.h"
#include "store/catalogue.h"

namespace fs = std::filesystem;
using namespace velmora;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora-databuild SOURCES_DIR OUTPUT_DIR\n");
        return 2;
    }
    const fs::path sources = argv[1];
    const fs::path output = argv[2];
    try {
        fs::create_directories(output);
        auto temp = [&](store::DataFile f) {
            return output / (std::string(store::FileName(f)) + ".part");
        };
        for (store::DataFile f : store::kAllDataFiles) fs::remove(temp(f));
        {
            databuild::Database vudazod(temp(store::DataFile::Vudazod));
            databuild::Database kelfile(temp(store::DataFile::KelFile));
            databuild::Database kelbirth(temp(store::DataFile::KelBirth));
            databuild::Database dream(temp(store::DataFile::Dream));
            databuild::Database tgcode(temp(store::DataFile::Tgcode));
            vudazod.Exec(store::SchemaSql(store::DataFile::Vudazod));
            kelfile.Exec(store::SchemaSql(store::DataFile::KelFile));
            kelbirth.Exec(store::SchemaSql(store::DataFile::KelBirth));
            dream.Exec(store::SchemaSql(store::DataFile::Dream));
            tgcode.Exec(store::SchemaSql(store::DataFile::Tgcode));

            databuild::BuildContext context{sources, &vudazod, &kelfile, &kelbirth, &dream, &tgcode};
            databuild::FillVudazod(context);
            databuild::FillKelFile(context);
            databuild::FillKelBirth(context);
            databuild::FillDream(context);
            databuild::FillMobileReadings(context);
            databuild::FillTgcode(context);
        }
        for (store::DataFile f : store::kAllDataFiles)
            fs::rename(temp(f), output / store::FileName(f));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmora-databuild: %s\n", e.what());
        return 1;
    }
    return 0;
}
