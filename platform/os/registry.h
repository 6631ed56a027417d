// The registry, read from a file in the registry editor's export format:
//
//   Windows Registry Editor Version 5.00          (or REGEDIT4)
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Quenzo\Modules\HelpPath]
//   "1.3.6.1.4.1.171.10.70.2"="/opt/quenzo/modules/VRX-6120.hlp"
//   @="the key's default value"
//   "Count"=dword:00000010
//
// Key and value names ignore case; in quoted texts "\\" stands for a backslash and "\"" for a
// quote. A [-key] section removes the key read so far, a "name"=- line the value. Lines
// starting with ';' are notes; lines that are none of these are skipped. The file may be
// UTF-8 or, as the registry editor writes it, UTF-16 with a byte-order mark.
//
// The file is found at RegistryFileName(): $VRX6120_REGISTRY when set, otherwise
// $XDG_CONFIG_HOME/vrx6120/registry.reg, otherwise ~/.config/vrx6120/registry.reg. A missing
// file is an empty registry. The host application's installation writes the file; this
// program only reads it.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

// A registry file that exists but cannot be read, or a value of a type ReadString does not
// read (only texts and expandable texts are read).
class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The keys and values of one registry file.
class RegistryData {
public:
    enum ValueType { rdString, rdExpandString, rdInteger, rdBinary };
    struct Value {
        ValueType type = rdString;
        std::string text;  // rdString, rdExpandString
        unsigned long number = 0;  // rdInteger
    };

    // Reads the file; a missing file gives an empty registry. ERegistryException naming the
    // file when it cannot be read (a folder, no permission, a read error).
    static RegistryData FromFile(const std::string& fileName);
    static RegistryData FromText(std::string text);

    // Keys are full paths from the root ("HKEY_LOCAL_MACHINE\SOFTWARE\Quenzo"); a key exists
    // when a section names it or a key below it.
    bool KeyExists(const std::string& path) const;
    // Null when the key or the value ("" for the default value) is missing.
    const Value* Find(const std::string& path, const std::string& name) const;

private:
    void Parse(const std::string& text);
    std::map<std::string, std::map<std::string, Value>> keys_;  // lower-case paths and names
};

// The file the registry is read from (see the top of this file).
std::string RegistryFileName();

// The class library's registry object on HKEY_LOCAL_MACHINE, over the registry file.
class TRegistry {
public:
    TRegistry();  // reads RegistryFileName(), once while the file stays the same
    explicit TRegistry(RegistryData data);

    // Opens a key: a path starting with '\' is taken from the root, any other from the key
    // open now. With canCreate a missing key is created and opened; the file is never
    // written, so the new key, empty, lives as long as this object.
    bool OpenKey(const std::string& key, bool canCreate);
    bool OpenKeyReadOnly(const std::string& key) { return OpenKey(key, false); }
    void CloseKey() { current_.clear(); open_ = false; }
    // Path of the open key below the root, in lower case, without a leading '\'.
    const std::string& CurrentPath() const { return current_; }

    bool ValueExists(const std::string& name) const;
    // A text value of the open key; "" when the key is not open or the value is missing.
    // ERegistryException "Invalid data type for '<name>'" when the value is not a text.
    std::string ReadString(const std::string& name) const;

private:
    std::string FullPath(const std::string& path) const;
    std::shared_ptr<const RegistryData> data_;
    std::set<std::string> created_;  // lower-case full paths
    std::string current_;
    bool open_ = false;
};
