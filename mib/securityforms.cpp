// AAA method lists, servers and server-group control, SSL and port-security deletion:
// descriptor tables and their option lists.
#include "mib/securityforms.h"

#include "mib/formtables.h"
#include "mib/mibshared.h"

namespace {

const QzOptionEntry kLoginMethodType[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
    {5, "server-group"}, {6, "local"}, {8, "none"}, {9, "other"}, {0, nullptr}};
const QzOptionEntry kEnableMethodType[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
    {5, "server-group"}, {7, "local-enable"}, {8, "none"}, {9, "other"}, {0, nullptr}};
const QzOptionEntry kServerAuthProtocol[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
    {0, nullptr}};
const QzOptionEntry kCtrlServerRowState[] = {{1, "add"}, {2, "delete"}, {0, nullptr}};
const QzOptionEntry kDelActivity[] = {{1, "none"}, {2, "start"}, {0, nullptr}};

}  // namespace

QzOptionList aacLoginMethodTypeOptions(kLoginMethodType);
QzOptionList aacEnableMethodTypeOptions(kEnableMethodType);
QzOptionList aacServerAuthProtocolOptions(kServerAuthProtocol);
QzOptionList aacCtrlServerRowStateOptions(kCtrlServerRowState);
QzOptionList portSecurityDelActivityOptions(kDelActivity);

extern const UISnmpVar swAACLoginMethodListEntry[] = {
    {"1.3.6.1.4.1.171.12.5.3.1.1", "AAC Login Method List Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.12.5.3.1.2", "Method1 Type", sxInteger, acReadWrite, &aacLoginMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.3.1.3", "Method1 ServerGroup", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.3.1.4", "Method2 Type", sxInteger, acReadWrite, &aacLoginMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.3.1.5", "Method2 ServerGroup", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.3.1.6", "Method3 Type", sxInteger, acReadWrite, &aacLoginMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.3.1.7", "Method3 ServerGroup", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.3.1.8", "Method4 Type", sxInteger, acReadWrite, &aacLoginMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.3.1.9", "Method4 ServerGroup", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.3.1.10", "MethodList RowStatus", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swAACEnableMethodListEntry[] = {
    {"1.3.6.1.4.1.171.12.5.4.1.1", "Enable MethodList Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.12.5.4.1.2", "Enable Method1 Type", sxInteger, acReadWrite, &aacEnableMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.4.1.3", "Enable Method1 ServerGroup", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.4.1.4", "Enable Method2 Type", sxInteger, acReadWrite, &aacEnableMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.4.1.5", "Enable Method2 ServerGroup", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.4.1.6", "Enable Method3Type", sxInteger, acReadWrite, &aacEnableMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.4.1.7", "Enable Method3 ServerGroup", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.4.1.8", "Enable Method4 Type", sxInteger, acReadWrite, &aacEnableMethodTypeOptions},
    {"1.3.6.1.4.1.171.12.5.4.1.9", "Enable Method4 ServerGroup", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.4.1.10", "Enable MethodList RowStatus", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swAACServerInfoEntry[] = {
    {"1.3.6.1.4.1.171.12.5.10.1.1", "Server IP", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.12.5.10.1.2", "Server AuthProtocol", sxInteger, acNotAccess, &aacServerAuthProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.10.1.3", "Server AuthPort", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.10.1.4", "Server AuthKey", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.10.1.5", "Server Timeout", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.10.1.6", "Server RetryCount", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.10.1.7", "Server RowStatus", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swAACCtrlServerEntry[] = {
    {"1.3.6.1.4.1.171.12.5.12.1.1", "swAACCtrlServerGroupName", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.12.5.12.1.2", "swAACCtrlServerIPAddr", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.12.5.12.1.3", "swAACCtrlServerAuthProtocol", sxInteger, acNotAccess,
     &aacServerAuthProtocolOptions},
    {"1.3.6.1.4.1.171.12.5.12.1.4", "swAACCtrlServerRowState", sxInteger, acReadWrite,
     &aacCtrlServerRowStateOptions},
    {nullptr},
};

extern const UISnmpVar swSSLCtrl[] = {
    {"1.3.6.1.4.1.171.12.7.1.1", "SSL Status Administration", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.7.1.2", "CipherSuites", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.7.1.3", "SSL Cache Timeout", sxGauge, acReadWrite},
    {nullptr},
};

extern const UISnmpVar swL2PortSecurityDelCtrl[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.7.2.1", "swL2PortSecurityDelVlanName", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.7.2.2", "swL2PortSecurityDelPort", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.7.2.3", "swL2PortSecurityDelMacAddress", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.7.2.4", "swL2PortSecurityDelActivity", sxInteger, acReadWrite,
     &portSecurityDelActivityOptions},
    {nullptr},
};

std::vector<MibFormTable> SecurityFormTables()
{
    return {
        {"TLoginMethodListForm login method lists", swAACLoginMethodListEntry, MVT_UMV, 1},
        {"TEnableMethodForm enable method lists", swAACEnableMethodListEntry, MVT_UMV, 1},
        {"TServerInformationForm server hosts", swAACServerInfoEntry, MVT_UMV, 2},
        {"TAAASrvCtrlForm server-group control", swAACCtrlServerEntry, MVT_UMV, 3},
        {"TSSLManagementForm SSL", swSSLCtrl, SVT_SV, 0},
        {"TPrtSecDelCtrlForm port-security deletion", swL2PortSecurityDelCtrl, SVT_SV, 0},
    };
}
