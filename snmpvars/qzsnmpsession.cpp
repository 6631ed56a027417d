#include "snmpvars/qzsnmpsession.h"

#include <QCoreApplication>

#include "common/qzini.h"
#include "platform/snmp/snmp.h"
#include "platform/ui/extctrls.h"
#include "snmpvars/qzsnmperror.h"

Snmp* QzSNMPSession = nullptr;
QzSNMPDeviceRec QzSNMPDevice;
QzSNMPScopeRec QzSNMPScope;
QzSNMPSecurityRec QzSNMPSecurity;
int QzSNMPTimeout = 0;

const char* const QzSNMPEngineID = "QzSNMP_PP_Application";
const char* const QzSNMPBootCounterFile = "QzSNMP_PP_BootCounter";

QzSNMPEventProcessor _SnmpEventProcessor;

QzSNMPEventProcessor::~QzSNMPEventProcessor()
{
    // At exit the timer has normally gone with the application already (ReleaseTimer).
    if (timer_) {
        timer_->SetEnabled(false);
        delete timer_;
        timer_ = nullptr;
    }
}

void QzSNMPEventProcessor::ReleaseTimer()
{
    delete _SnmpEventProcessor.timer_;
    _SnmpEventProcessor.timer_ = nullptr;
}

TTimer* QzSNMPEventProcessor::Timer()
{
    if (!timer_) {
        timer_ = new TTimer(nullptr);
        timer_->SetEnabled(false);
        timer_->SetInterval(20);
        timer_->OnTimer = TNotifyEvent(this, &QzSNMPEventProcessor::OnTimer);
        // Qt timers must go before the application object does.
        if (QCoreApplication::instance()) qAddPostRoutine(&QzSNMPEventProcessor::ReleaseTimer);
    }
    return timer_;
}

void QzSNMPEventProcessor::Start() { Timer()->SetEnabled(true); }

void QzSNMPEventProcessor::Stop()
{
    if (timer_) timer_->SetEnabled(false);
}

bool QzSNMPEventProcessor::Running() const { return timer_ && timer_->Enabled(); }

void QzSNMPEventProcessor::Pump()
{
    if (!QzSNMPSession) return;
    try {
        QzSNMPSession->process_pending_events();
    } catch (...) {
        HandleEventException();
    }
}

bool QzSNMPInsidePump() { return QzSNMPSession && QzSNMPSession->in_pump(); }

void QzSNMPEventProcessor::OnTimer(TObject*)
{
    Stop();
    Pump();
    Start();
}

void QzSNMPInitialize(const AnsiString& directory)
{
    int status = SNMP_CLASS_SUCCESS;
    Snmp* old = QzSNMPSession;
    QzSNMPSession = new Snmp(status, 0);
    delete old;
    if (status != SNMP_CLASS_SUCCESS) QzSNMPThrowOwn(qzsCreateSession);

    std::string path = JoinPath(directory, QzSNMPBootCounterFile).std();
    unsigned int boots = 0;
    // Modules started at once in one folder take their turns: the counter never goes back.
    BootCounterLock lock(path);
    if (lock.busy()) QzSNMPThrowOwn(qzsLoadBootCounter);
    int result = getBootCounter(path, QzSNMPEngineID, boots);
    // No file yet, or no line for this engine: the engine starts from 0.
    if (result < SNMPv3_FILEOPEN_ERROR) QzSNMPThrowOwn(qzsLoadBootCounter);
    ++boots;
    if (saveBootCounter(path, QzSNMPEngineID, boots) != SNMPv3_OK) QzSNMPThrowOwn(qzsSaveBootCounter);

    mpInit(QzSNMPSession, QzSNMPEngineID, boots);

    QzSNMPDevice.address = "127.0.0.1";
    QzSNMPDevice.port = 161;
    QzSNMPScope.contextEngineID = "";
    QzSNMPScope.contextName = "";
    QzSNMPSecurity.version = 0;
    QzSNMPSecurity.readCommunity = "ravlin";
    QzSNMPSecurity.writeCommunity = "mostrel";
    QzSNMPSecurity.securityModel = 1;
    QzSNMPSecurity.securityLevel = 1;
    QzSNMPSecurity.securityName = "";
    QzSNMPSecurity.authPassword = "";
    QzSNMPSecurity.privPassword = "";
    QzSNMPSecurity.authProtocol = 1;
    QzSNMPSecurity.privProtocol = 1;
    QzSNMPTimeout = 100;

    _SnmpEventProcessor.Start();
    QzSNMPSession->set_readable_handler([] { _SnmpEventProcessor.Pump(); });
}
