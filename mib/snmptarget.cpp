// SNMP target, community and notification: descriptor tables and their option lists.
#include "mib/snmptarget.h"

namespace {

const QzOptionEntry kSnmpNotifyType[] = {{1, "trap"}, {2, "inform"}, {0, nullptr}};

}  // namespace

QzOptionList snmpNotifyTypeOptions(kSnmpNotifyType);

extern const UISnmpVar snmpEngine[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", sxOctetStr, acReadOnly},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", sxInteger, acReadOnly},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", sxInteger, acReadOnly},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", sxInteger, acReadOnly},
    {nullptr},
};

extern const UISnmpVar snmpMPDStats[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", sxCounter, acReadOnly},
    {nullptr},
};

extern const UISnmpVar snmpTargetObjects[] = {
    {"1.3.6.1.6.3.12.1.1", "snmpTargetSpinLock", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.4", "snmpUnavailableContexts", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.12.1.5", "snmpUnknownContexts", sxCounter, acReadOnly},
    {nullptr},
};

extern const UISnmpVar snmpTargetAddrEntry[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "snmpTargetAddrName", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.12.1.2.1.2", "snmpTargetAddrTDomain", sxObjectId, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "snmpTargetAddrTAddress", sxBitStr, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "snmpTargetAddrTimeout", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "snmpTargetAddrRetryCount", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "snmpTargetAddrTagList", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "snmpTargetAddrParams", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "snmpTargetAddrStorageType", sxInteger, acReadWrite, &snmpTargetStorageTypeOptions},
    {"1.3.6.1.6.3.12.1.2.1.9", "snmpTargetAddrRowStatus", sxInteger, acReadWrite, &snmpTargetRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar snmpTargetParamsEntry[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "snmpTargetParamsName", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.12.1.3.1.2", "snmpTargetParamsMPModel", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.3", "snmpTargetParamsSecurityModel", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "snmpTargetParamsSecurityName", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "snmpTargetParamsSecurityLevel", sxInteger, acReadWrite, &snmpTargetSecurityLevelOptions},
    {"1.3.6.1.6.3.12.1.3.1.6", "snmpTargetParamsStorageType", sxInteger, acReadWrite, &snmpTargetStorageTypeOptions},
    {"1.3.6.1.6.3.12.1.3.1.7", "snmpTargetParamsRowStatus", sxInteger, acReadWrite, &snmpTargetRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar snmpCommunityEntry[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", sxOctetStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", sxInteger, acReadWrite, &snmpTargetStorageTypeOptions},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", sxInteger, acReadWrite, &snmpTargetRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar snmpTargetAddrExtEntry[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Addr Name", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Addr TMask", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Addr MMS", sxInteger, acReadWrite},
    {nullptr},
};

extern const UISnmpVar snmpNotifyEntry[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", sxInteger, acReadWrite, &snmpNotifyTypeOptions},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", sxInteger, acReadWrite, &snmpTargetStorageTypeOptions},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", sxInteger, acReadWrite, &snmpTargetRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar snmpNotifyFilterProfileEntry[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", sxInteger, acReadWrite, &snmpTargetStorageTypeOptions},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", sxInteger, acReadWrite, &snmpTargetRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar snmpNotifyFilterEntry[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", sxObjectId, acNotAccess | acImplied},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", sxInteger, acReadWrite, &snmpNotifyFilterTypeOptions},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", sxInteger, acReadWrite, &snmpTargetStorageTypeOptions},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", sxInteger, acReadWrite, &snmpTargetRowStatusOptions},
    {nullptr},
};
