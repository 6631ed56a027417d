// The one SNMP session of the program, the connection settings every new request copies,
// start-up, and the pump that delivers asynchronous replies in the window thread.
#pragma once

#include <cstdint>

#include "platform/ui/ansistring.h"
#include "platform/ui/classes.h"

class Snmp;
class TTimer;

// The agent: address (IPv4 or host name) and UDP port.
struct QzSNMPDeviceRec {
    AnsiString address;
    uint16_t port = 0;
};

// SNMPv3 scope.
struct QzSNMPScopeRec {
    AnsiString contextEngineID;
    AnsiString contextName;
};

// Version (0 SNMPv1, 1 SNMPv2c, 3 SNMPv3), communities and SNMPv3 user settings, in the SNMP
// layer's numbering: level 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv; authentication 1 none,
// 2 HMAC-MD5, 3 HMAC-SHA; privacy 1 none, 2 DES; model 3 user-based security.
struct QzSNMPSecurityRec {
    uint8_t version = 0;
    AnsiString readCommunity;
    AnsiString writeCommunity;
    int securityModel = 0;
    int securityLevel = 0;
    AnsiString securityName;
    AnsiString authPassword;
    AnsiString privPassword;
    int authProtocol = 0;
    int privProtocol = 0;
};

extern Snmp* QzSNMPSession;  // null until QzSNMPInitialize
extern QzSNMPDeviceRec QzSNMPDevice;
extern QzSNMPScopeRec QzSNMPScope;
extern QzSNMPSecurityRec QzSNMPSecurity;
extern int QzSNMPTimeout;  // hundredths of a second

// This application's SNMPv3 engine identity and the file that keeps its boots counter.
extern const char* const QzSNMPEngineID;        // "QzSNMP_PP_Application"
extern const char* const QzSNMPBootCounterFile;  // "QzSNMP_PP_BootCounter"

// Pumps the session's pending events every 20 ms while started. The timer is stopped while
// the pump runs, so the pump never re-enters itself, even when a callback processes window
// messages.
class QzSNMPEventProcessor : public TObject {
public:
    QzSNMPEventProcessor() = default;
    ~QzSNMPEventProcessor() override;
    QzSNMPEventProcessor(const QzSNMPEventProcessor&) = delete;
    QzSNMPEventProcessor& operator=(const QzSNMPEventProcessor&) = delete;

    void Start();
    void Stop();
    void OnTimer(TObject* sender);
    // One run of the pump; an exception from a callback is shown as an event's would be.
    void Pump();

    bool Running() const;
    TTimer* Timer();  // made on first use: disabled, 20 ms

private:
    static void ReleaseTimer();
    TTimer* timer_ = nullptr;
};

extern QzSNMPEventProcessor _SnmpEventProcessor;

// True while the session's pump runs: a reply handler (or code it calls) is on the stack, and
// no further reply can be delivered until it returns.
bool QzSNMPInsidePump();

// Creates the session, raises the stored engine boots counter by one, starts SNMPv3 message
// processing, sets the defaults and starts the pump. Raises -506, -507 or -508.
void QzSNMPInitialize(const AnsiString& directory);
