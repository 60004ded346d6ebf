#pragma once
// LibreOffice's report of a workbook it could not store is its own inner text
// ("SfxBaseModel::impl_store <file:///home/ann/book.xls> failed: 0x507(Error Area:Io ...) at
// ./sfx2/source/doc/sfxbasemodel.cxx:3207"). The export shows it in words instead: the file and
// the likely reason, found by looking at the file's folder.

#include <filesystem>
#include <string>

namespace orvane {

// `description` in words when it is such a report about storing `path` ("Could not write
// /home/ann/book.xls: there is no space left on the device."); any other description as it is.
std::string PlainSaveFailure(const std::filesystem::path& path, const std::string& description);

}  // namespace orvane
