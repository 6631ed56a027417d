// Pdu: the bindings of one request or reply, with its error fields and SNMPv3 scope.
#pragma once

#include <vector>

#include "platform/snmp/smival.h"
#include "platform/snmp/vb.h"

enum : unsigned short {
    sNMP_PDU_GET = 0xA0,
    sNMP_PDU_GETNEXT = 0xA1,
    sNMP_PDU_RESPONSE = 0xA2,
    sNMP_PDU_SET = 0xA3,
    sNMP_PDU_REPORT = 0xA8,
};

class Pdu {
public:
    Pdu() = default;
    Pdu(const Vb* vbs, int count);

    Pdu& operator+=(const Vb& vb);
    int get_vb_count() const { return static_cast<int>(vbs_.size()); }
    // False (out unchanged) when i is out of range.
    bool get_vb(Vb& out, int i) const;
    bool set_vb(const Vb& vb, int i);
    // Out of range gives an empty binding, never undefined behaviour.
    const Vb& operator[](int i) const;
    Vb& operator[](int i);
    bool delete_vb(int i);
    void trim() { if (!vbs_.empty()) vbs_.pop_back(); }
    // Drops the bindings and resets the error fields and the request id.
    void clear();

    int get_error_status() const { return errorStatus_; }
    void set_error_status(int s) { errorStatus_ = s; }
    int get_error_index() const { return errorIndex_; }
    void set_error_index(int i) { errorIndex_ = i; }
    unsigned long get_request_id() const { return requestId_; }
    void set_request_id(unsigned long id) { requestId_ = id; }
    unsigned short get_type() const { return type_; }
    void set_type(unsigned short t) { type_ = t; }

    // SNMPv3 only (ignored for community targets).
    int get_security_level() const { return securityLevel_; }
    void set_security_level(int level) { securityLevel_ = level; }
    const OctetStr& get_context_name() const { return contextName_; }
    void set_context_name(const OctetStr& name) { contextName_ = name; }
    const OctetStr& get_context_engine_id() const { return contextEngineId_; }
    void set_context_engine_id(const OctetStr& id) { contextEngineId_ = id; }

    // Every binding has a valid object identifier.
    bool valid() const;

private:
    std::vector<Vb> vbs_;
    int errorStatus_ = 0;
    int errorIndex_ = 0;
    unsigned long requestId_ = 0;
    unsigned short type_ = sNMP_PDU_GET;
    int securityLevel_ = 1;
    OctetStr contextName_;
    OctetStr contextEngineId_;
};
