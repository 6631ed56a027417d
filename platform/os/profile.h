// Reading values of an initialisation file (sections in brackets, key=value lines), as the
// platform's profile routine does.
#pragma once

#include <string>

// The value of `key` in `section` of `fileName` (section and key ignore case; blanks around
// the value and one pair of enclosing quotes are removed), cut to bufferSize - 1 characters;
// `def` when the file, the section or the key is missing. Lines starting with ';' are notes.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& def, const std::string& fileName,
                                    size_t bufferSize = 4096);
