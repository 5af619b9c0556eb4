// The files the product installs, where they go and what they must contain.
#pragma once
#include <optional>
#include <string>

namespace testfiles {
// Rows 0-6: the IME module and the six files of the IME folder, in installation order;
// row 7: the support driver.
constexpr int kPayloadRows = 7;
constexpr int kAllRows = 8;
const char* RowName(int row);
std::string RowPath(int row);
// Raw-data resource a row is written from; the module depends on the release class.
unsigned RowResource(int row, int osClass);

// The shared machine facts (Machine.h) in the product's code page; no trailing backslash.
std::string SystemDir();
std::string ImeFolder();  // system directory + "\IME\Quorvel\ZkV4Ivi"
std::string MakerImeFolder();  // system directory + "\IME\Quorvel"

std::string ResourceBytes(unsigned number);  // from this test program's resources
std::optional<std::string> ReadAll(const std::string& path);  // nullopt unless a readable file
void WriteAll(const std::string& path, const std::string& bytes);
bool IsFile(const std::string& path);
bool IsDirectory(const std::string& path);
// Deletes a file or a folder with everything in it, read-only or not.
void RemoveTree(const std::string& path);

// Creates the IME folder with every level above it.
void CreateImeFolder();
// Writes every row as installed from its resource (creating the IME folder).
void InstallAllRows(int osClass);
}  // namespace testfiles
