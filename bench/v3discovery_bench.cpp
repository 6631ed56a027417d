// Asynchronous SNMPv3 requests to a switch that never answers (a UDP port that reads nothing):
// the longest gap between the ticks of a 10 ms timer in the window thread while the requests
// go out every 50 ms, the pump running from its 20 ms timer and the sockets' notifiers as in
// the module. Each engine discovery waits 2 x 0.5 s; after a failed one the target backs off.
// The same timer measured first for as long without requests tells what the machine itself
// costs (a loaded machine leaves a thread waiting for the processor now and then).
//
//   v3discovery_bench [seconds]      (default 8)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/snmp/snmp.h"

namespace {

int g_timedOut = 0, g_otherFailures = 0;

void Done(int reason, Snmp*, Pdu&, SnmpTarget&, void*)
{
    if (reason == SNMP_CLASS_TIMEOUT) ++g_timedOut;
    else ++g_otherFailures;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 8;

    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
        std::fprintf(stderr, "cannot open a silent port\n");
        return 1;
    }

    int status = 0;
    Snmp snmp(status);
    usmAddUserName("benchuser", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, "benchauthpass", "benchprivpass");
    UTarget target(UdpAddress(IpAddress("127.0.0.1"), ntohs(a.sin_port)));
    target.set_security_name("benchuser");
    target.set_security_model(SNMP_SECURITY_MODEL_USM);
    target.set_timeout(50);
    target.set_retry(1);

    QElapsedTimer call;
    qint64 longestGet = 0, longestPump = 0;
    auto pumpOnce = [&] {
        call.start();
        snmp.process_pending_events();
        longestPump = std::max(longestPump, call.elapsed());
    };
    snmp.set_readable_handler(pumpOnce);
    QTimer pump;
    QObject::connect(&pump, &QTimer::timeout, pumpOnce);
    pump.start(20);

    int sent = 0, refused = 0;
    bool asking = false;
    QTimer requests;
    QObject::connect(&requests, &QTimer::timeout, [&] {
        if (!asking) return;
        Pdu pdu;
        pdu += Vb(Oid("1.3.6.1.4.1.171.11.70.2.2.1.1.6.0"));
        pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_PRIV);
        call.start();
        int result = snmp.get(pdu, target, Done, nullptr);
        longestGet = std::max(longestGet, call.elapsed());
        if (result == SNMP_CLASS_SUCCESS) ++sent;
        else ++refused;  // the back-off after a failed discovery
    });
    requests.start(50);

    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longest = 0, baseline = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
        if (!asking && now >= seconds * 1000) {
            baseline = longest;
            longest = 0;
            asking = true;
        }
        if (now >= 2 * seconds * 1000) app.quit();
    });
    tick.start(10);
    app.exec();
    close(fd);

    std::printf("v3 discovery of a silent switch, %d s: %d asynchronous requests held and failed "
                "(%d timed out, %d other), %d refused at once during the back-off\n",
                seconds, sent, g_timedOut, g_otherFailures, refused);
    std::printf("longest gap of the window thread's 10 ms timer: %lld ms (goal < 100 ms); "
                "without requests %lld ms\n",
                static_cast<long long>(longest), static_cast<long long>(baseline));
    std::printf("longest asynchronous get() call %lld ms, longest pump pass %lld ms\n",
                static_cast<long long>(longestGet), static_cast<long long>(longestPump));
    return 0;
}
