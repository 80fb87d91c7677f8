#pragma once
// Re-encoding a project's addresses with a PLC library: after loading (the text stays) and when the
// project changes to another PLC (the text becomes the new library's text, with a log row per tag).

#include <string>
#include <vector>

namespace lumora {

class TQMPlcManager;
class TQMProject;
class TQMTag;

inline constexpr const char* kUnableToRebuildText = "Unable to rebuild the address for the new PLC";

// Validates every address text of the project with read access and stores the encoding where it
// succeeds. Returns the number of addresses the library refused.
int RevalidateAddresses(TQMProject& project, TQMPlcManager& manager);

// One conversion step: appends "old\tnew\tremark\t" for a tag with an address.
void ConvertTagAddress(TQMTag& tag, TQMPlcManager& newPlc, int addressSize, std::vector<std::string>& rows);
std::vector<std::string> ConvertProjectAddresses(TQMProject& project, TQMPlcManager& newPlc);

// The saved conversion log file.
std::string FormatAddressConversionLog(const std::vector<std::string>& rows, const std::string& createdOn);

}  // namespace lumora
