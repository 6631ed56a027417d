// User-based security: descriptor tables and their option lists.
#include "mib/usm.h"

namespace {

const QzOptionTextEntry kUsmAuthProtocol[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
    {"1.3.6.1.6.3.10.1.1.2", "MD5"}, {"1.3.6.1.6.3.10.1.1.3", "SHA"}, {nullptr, nullptr}};
const QzOptionTextEntry kUsmPrivProtocol[] = {{"1.3.6.1.6.3.10.1.2.1", "None"},
    {"1.3.6.1.6.3.10.1.2.2", "DES"}, {nullptr, nullptr}};

}  // namespace

QzOptionList usmAuthProtocolOptions(kUsmAuthProtocol, QzOptionList::Text);
QzOptionList usmPrivProtocolOptions(kUsmPrivProtocol, QzOptionList::Text);

extern const UISnmpVar usmStats[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", sxCounter, acReadOnly},
    {nullptr},
};

extern const UISnmpVar usmUserEntry[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", sxOctetStr, acNotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", sxObjectId, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", sxObjectId, acReadWrite, &usmAuthProtocolOptions},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", sxObjectId, acReadWrite, &usmPrivProtocolOptions},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", sxInteger, acReadWrite, &usmStorageTypeOptions},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", sxInteger, acReadWrite, &usmRowStatusOptions},
    {nullptr},
};
