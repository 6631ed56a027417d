// View-based access control: descriptor tables and their option lists.
#include "mib/vacm.h"

namespace {

const QzOptionEntry kVacmContextMatch[] = {{1, "exact"}, {2, "prefix"}, {0, nullptr}};

}  // namespace

QzOptionList vacmContextMatchOptions(kVacmContextMatch);

extern const UISnmpVar vacmContextEntry[] = {
    {"1.3.6.1.6.3.16.1.1.1.1", "vacmContextName", sxOctetStr, acReadOnly},
    {nullptr},
};

extern const UISnmpVar vacmSecurityToGroupEntry[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", sxInteger, acNotAccess},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", sxInteger, acReadWrite, &vacmStorageTypeOptions},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", sxInteger, acReadWrite, &vacmRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar vacmAccessEntry[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", sxInteger, acNotAccess},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", sxInteger, acNotAccess, &vacmSecurityLevelOptions},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", sxInteger, acReadWrite, &vacmContextMatchOptions},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", sxInteger, acReadWrite, &vacmStorageTypeOptions},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", sxInteger, acReadWrite, &vacmRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar vacmViewTreeFamilyEntry[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "vacmViewTreeFamilyViewName", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "vacmViewTreeFamilySubtree", sxObjectId, acNotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "vacmViewTreeFamilyMask", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "vacmViewTreeFamilyType", sxInteger, acReadWrite, &vacmViewTypeOptions},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "vacmViewTreeFamilyStorageType", sxInteger, acReadWrite, &vacmStorageTypeOptions},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "vacmViewTreeFamilyStatus", sxInteger, acReadWrite, &vacmRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar vacmMIBViews[] = {
    {"1.3.6.1.6.3.16.1.5.1", "vacmViewSpinLock", sxInteger, acReadWrite},
    {nullptr},
};
