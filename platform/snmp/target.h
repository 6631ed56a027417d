// Targets: where a request goes and with which credentials and timing.
#pragma once

#include <memory>

#include "platform/snmp/address.h"
#include "platform/snmp/smival.h"
#include "platform/snmp/snmperrs.h"

class SnmpTarget {
public:
    enum class Type { Community, User };

    virtual ~SnmpTarget() = default;
    virtual Type get_type() const = 0;
    virtual std::unique_ptr<SnmpTarget> clone() const = 0;

    // The address is valid.
    bool valid() const { return address_.valid(); }
    void set_address(const UdpAddress& a) { address_ = a; }
    void set_address(const GenAddress& a) { address_ = a.udp(); }
    const UdpAddress& get_address() const { return address_; }
    bool get_address(UdpAddress& out) const
    {
        out = address_;
        return address_.valid();
    }

    snmp_version get_version() const { return version_; }
    void set_version(snmp_version v) { version_ = v; }
    // Hundredths of a second to wait for each send.
    unsigned long get_timeout() const { return timeout_; }
    void set_timeout(unsigned long t) { timeout_ = t; }
    // Sends after the first: a time-out with retry 1 means two sends.
    int get_retry() const { return retry_; }
    void set_retry(int r) { retry_ = r; }

protected:
    SnmpTarget() = default;
    explicit SnmpTarget(const UdpAddress& a) : address_(a) {}

private:
    UdpAddress address_;
    snmp_version version_ = version1;
    unsigned long timeout_ = 100;
    int retry_ = 1;
};

// SNMPv1 and SNMPv2c: communities for reading (get, get-next) and writing (set).
class CTarget : public SnmpTarget {
public:
    CTarget() = default;
    explicit CTarget(const UdpAddress& a, const OctetStr& read = "public", const OctetStr& write = "public")
        : SnmpTarget(a), read_(read), write_(write)
    {
    }
    Type get_type() const override { return Type::Community; }
    std::unique_ptr<SnmpTarget> clone() const override { return std::make_unique<CTarget>(*this); }

    const OctetStr& get_readcommunity() const { return read_; }
    void set_readcommunity(const OctetStr& c) { read_ = c; }
    const OctetStr& get_writecommunity() const { return write_; }
    void set_writecommunity(const OctetStr& c) { write_ = c; }

private:
    OctetStr read_ = "public";
    OctetStr write_ = "public";
};

// SNMPv3: security model and name; the user's keys come from usmAddUserName.
class UTarget : public SnmpTarget {
public:
    UTarget() { set_version(version3); }
    explicit UTarget(const UdpAddress& a) : SnmpTarget(a) { set_version(version3); }
    Type get_type() const override { return Type::User; }
    std::unique_ptr<SnmpTarget> clone() const override { return std::make_unique<UTarget>(*this); }

    const OctetStr& get_security_name() const { return securityName_; }
    void set_security_name(const OctetStr& n) { securityName_ = n; }
    int get_security_model() const { return securityModel_; }
    void set_security_model(int m) { securityModel_ = m; }

private:
    OctetStr securityName_;
    int securityModel_ = SNMP_SECURITY_MODEL_USM;
};
