// Descriptor tables of the table commands of the "SNMP V3" menu: engine, target, USM, VACM,
// notification and community tables.
#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

namespace {

// snmpEngine1: "SNMP Engine"
const UISnmpVar snmpEngine1Vars[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", sxOctetStr, acReadOnly},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", sxInteger, acReadOnly},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", sxInteger, acReadOnly},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", sxInteger, acReadOnly},
    {nullptr},
};

// MessageProcessingandDispatching1: "Message Processingand Dispatching"
const UISnmpVar MessageProcessingandDispatching1Vars[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", sxCounter, acReadOnly},
    {nullptr},
};

// GeneralInformation1: "General Information"
const UISnmpVar GeneralInformation1Vars[] = {
    {"1.3.6.1.6.3.12.1.1", "snmpTargetSpinLock", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.4", "snmpUnavailableContexts", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.12.1.5", "snmpUnknownContexts", sxCounter, acReadOnly},
    {nullptr},
};

// CommunityTargetAddressTable: "Target Address Table"
const UISnmpVar CommunityTargetAddressTableVars[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "snmpTargetAddrName", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.12.1.2.1.2", "snmpTargetAddrTDomain", sxObjectId, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "snmpTargetAddrTAddress", sxBitStr, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "snmpTargetAddrTimeout", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "snmpTargetAddrRetryCount", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "snmpTargetAddrTagList", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "snmpTargetAddrParams", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "snmpTargetAddrStorageType", sxInteger, acReadWrite, &mibStorageTypeOptions},
    {"1.3.6.1.6.3.12.1.2.1.9", "snmpTargetAddrRowStatus", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};
const MibVarFormat kCommunityTargetAddressTableFormats[] = {{4, "%i{n0x255l3}"}, {0, nullptr}};

// TargetParameters1: "Target Parameters"
const UISnmpVar TargetParameters1Vars[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "snmpTargetParamsName", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.12.1.3.1.2", "snmpTargetParamsMPModel", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.3", "snmpTargetParamsSecurityModel", sxInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "snmpTargetParamsSecurityName", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "snmpTargetParamsSecurityLevel", sxInteger, acReadWrite, &mibSecurityLevelOptions},
    {"1.3.6.1.6.3.12.1.3.1.6", "snmpTargetParamsStorageType", sxInteger, acReadWrite, &mibStorageTypeOptions},
    {"1.3.6.1.6.3.12.1.3.1.7", "snmpTargetParamsRowStatus", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// Statistics2: "Statistics"
const UISnmpVar Statistics2Vars[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", sxCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", sxCounter, acReadOnly},
    {nullptr},
};

// UserTable1: "User Table"
const QzOptionTextEntry kAuthenticationProtocol[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
    {"1.3.6.1.6.3.10.1.1.2", "MD5"}, {"1.3.6.1.6.3.10.1.1.3", "SHA"}, {nullptr, nullptr}};
QzOptionList AuthenticationProtocolOptions(kAuthenticationProtocol, QzOptionList::Text);
const QzOptionTextEntry kPrivacyProtocol[] = {{"1.3.6.1.6.3.10.1.2.1", "None"},
    {"1.3.6.1.6.3.10.1.2.2", "DES"}, {nullptr, nullptr}};
QzOptionList PrivacyProtocolOptions(kPrivacyProtocol, QzOptionList::Text);
const UISnmpVar UserTable1Vars[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", sxOctetStr, acNotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", sxObjectId, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", sxObjectId, acReadWrite, &AuthenticationProtocolOptions},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", sxObjectId, acReadWrite, &PrivacyProtocolOptions},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", sxInteger, acReadWrite, &mibStorageTypeOptions},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// SecurityTable1: "Security Group Table"
const UISnmpVar SecurityTable1Vars[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", sxInteger, acNotAccess},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", sxInteger, acReadWrite, &mibStorageTypeOptions},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// AccessTable1: "Access Table"
const QzOptionEntry kAccessContextMatch[] = {{1, "exact"}, {2, "prefix"}, {0, nullptr}};
QzOptionList AccessContextMatchOptions(kAccessContextMatch);
const UISnmpVar AccessTable1Vars[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", sxInteger, acNotAccess},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", sxInteger, acNotAccess, &mibSecurityLevelOptions},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", sxInteger, acReadWrite, &AccessContextMatchOptions},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", sxInteger, acReadWrite, &mibStorageTypeOptions},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// ViewTable1: "View MIB Tree Family Table"
const UISnmpVar ViewTable1Vars[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "vacmViewTreeFamilyViewName", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "vacmViewTreeFamilySubtree", sxObjectId, acNotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "vacmViewTreeFamilyMask", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "vacmViewTreeFamilyType", sxInteger, acReadWrite, &mibIncludedExcludedOptions},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "vacmViewTreeFamilyStorageType", sxInteger, acReadWrite, &mibStorageTypeOptions},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "vacmViewTreeFamilyStatus", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// NotifyTable1: "Notify Table"
const QzOptionEntry kType[] = {{1, "trap"}, {2, "inform"}, {0, nullptr}};
QzOptionList TypeOptions(kType);
const UISnmpVar NotifyTable1Vars[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", sxInteger, acReadWrite, &TypeOptions},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", sxInteger, acReadWrite, &mibStorageTypeOptions},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// NotifyFilterProfileTale1: "Notify Filter Profile Table"
const UISnmpVar NotifyFilterProfileTale1Vars[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", sxInteger, acReadWrite, &mibStorageTypeOptions},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// NotifyFilterEntryTable1: "Notify Filter Table"
const UISnmpVar NotifyFilterEntryTable1Vars[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", sxObjectId, acNotAccess | acImplied},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", sxInteger, acReadWrite, &mibIncludedExcludedOptions},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", sxInteger, acReadWrite, &mibStorageTypeOptions},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// CommunityStringTable1: "SNMP Community Table"
const UISnmpVar CommunityStringTable1Vars[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", sxOctetStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", sxInteger, acReadWrite, &mibStorageTypeOptions},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// TargetAddressTable1: "Target Address Table"
const UISnmpVar TargetAddressTable1Vars[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Addr Name", sxDisplayStr, acNotAccess | acImplied},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Addr TMask", sxDisplayStr, acReadWrite},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Addr MMS", sxInteger, acReadWrite},
    {nullptr},
};

}  // namespace

extern const MibCommand kSnmpV3Commands[] = {
    {"snmpEngine1", "SNMP Engine", snmpEngine1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"MessageProcessingandDispatching1", "Message Processingand Dispatching", MessageProcessingandDispatching1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"GeneralInformation1", "General Information", GeneralInformation1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"CommunityTargetAddressTable", "Target Address Table", CommunityTargetAddressTableVars, MVT_UMV, 1, mpListView,
     {8, "createAndGo"}, {8, "destroy"}, kCommunityTargetAddressTableFormats},
    {"TargetParameters1", "Target Parameters", TargetParameters1Vars, MVT_UMV, 1, mpListView,
     {6, "createAndGo"}, {6, "destroy"}, nullptr},
    {"Statistics2", "Statistics", Statistics2Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"UserTable1", "User Table", UserTable1Vars, MVT_UMV, 2, mpListView,
     {12, "createAndGo"}, {12, "destroy"}, nullptr},
    {"SecurityTable1", "Security Group Table", SecurityTable1Vars, MVT_UMV, 2, mpListView,
     {4, "createAndGo"}, {4, "destroy"}, nullptr},
    {"AccessTable1", "Access Table", AccessTable1Vars, MVT_UMV, 4, mpListView,
     {9, "createAndGo"}, {9, "destroy"}, nullptr},
    {"ViewTable1", "View MIB Tree Family Table", ViewTable1Vars, MVT_UMV, 2, mpListView,
     {5, "createAndGo"}, {5, "destroy"}, nullptr},
    {"NotifyTable1", "Notify Table", NotifyTable1Vars, MVT_UMV, 1, mpListView,
     {4, "createAndGo"}, {4, "destroy"}, nullptr},
    {"NotifyFilterProfileTale1", "Notify Filter Profile Table", NotifyFilterProfileTale1Vars, MVT_UMV, 1, mpListView,
     {3, "createAndGo"}, {3, "destroy"}, nullptr},
    {"NotifyFilterEntryTable1", "Notify Filter Table", NotifyFilterEntryTable1Vars, MVT_UMV, 2, mpListView,
     {5, "createAndGo"}, {5, "destroy"}, nullptr},
    {"CommunityStringTable1", "SNMP Community Table", CommunityStringTable1Vars, MVT_UMV, 1, mpListView,
     {7, "createAndGo"}, {7, "destroy"}, nullptr},
    {"TargetAddressTable1", "Target Address Table", TargetAddressTable1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
