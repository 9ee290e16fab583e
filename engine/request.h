#pragma once

#include "engine/session.h"
#include "engine/snmp_adapter.h"
#include "engine/var_list.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Added to the time-out message of a write: an unanswered SET may have been applied all the same.
// No full stop: status lines add their own after the message.
inline constexpr char kUnansweredWriteText[] =
    " The device may or may not have taken the write: read the values again before repeating it";

// The record of an asynchronous completion.
struct VdSNMPError {
    std::int32_t status = 0;
    std::int32_t errorIndex = 0;
    std::string message;
    VdSNMPDevice agent;
    bool finished = false;
};

using RequestDone = void (*)(void *owner, const VdSNMPError &error, VdSNMPVarList &list);

// Optional supplier of write values: the text of the k-th selected item.
class ValueSource {
public:
    virtual ~ValueSource() = default;
    virtual std::string Value(int k) const = 0;
};

// The unit of device traffic: a variable list, its own copy of the session parameters, and one
// step of a read or one write at a time.
class VdSNMPRequest {
public:
    enum class PduMode { ReadStart, ReadNext, Write };

    VdSNMPRequest();
    virtual ~VdSNMPRequest();
    VdSNMPRequest(const VdSNMPRequest &) = delete;
    VdSNMPRequest &operator=(const VdSNMPRequest &) = delete;

    void ReloadSession();

    // True when another step is needed (tables only).
    bool ReadStep(bool first);
    // The max-repetitions the GetBulk requests of the last walk asked for; 0 when it read with GetNext.
    int BulkRepetitions() const { return repetitions_; }
    // Why the last walk stopped short of its table's end (the row limit, a column the agent ended
    // by answering a name again or going back); empty when it read to the end. Rows read are kept.
    const std::vector<WalkCut> &WalkCuts() const { return cuts_; }
    void ReadStepAsync(RequestDone callback, void *owner, bool first);
    bool Write(bool readBack, const std::string &selection = {}, const ValueSource *source = nullptr);
    void WriteAsync(RequestDone callback, void *owner, bool readBack, const std::string &selection = {},
                    const ValueSource *source = nullptr);
    // The PDU Write would send, built the same way, without sending it.
    snmp::Pdu WritePdu(const std::string &selection = {}, const ValueSource *source = nullptr);

    bool RowConditionHolds() { return ConditionHolds(rowCondition); }
    // Reads as a window's synchronous get does: one step for a scalar list, a walk to its end for a
    // table list; shown runs for each result a window shows (its row condition holds).
    void ReadShown(const std::function<void()> &shown);
    void DecodeIndex(const std::string &suffix);
    std::string EncodeIndex();
    snmp::Pdu BuildPdu(PduMode mode);
    std::string BaseOid(int i) const;
    // The base identifier followed by an instance suffix (none when the suffix is empty).
    std::string InstanceOid(int i, const std::string &suffix) const;

    virtual std::string SubstituteValues(const std::string &expression, char quote, const std::string &prefix);
    virtual std::string DecodeIndexItem(int i, const std::string &suffix);
    virtual std::string EncodeIndexItem(int i);
    virtual void StoreValue(int i, const snmp::VarBind &binding);
    virtual void LoadValue(int i, snmp::VarBind &binding);
    virtual void ApplyExpression(int i, bool afterRead);
    virtual bool ConditionHolds(const std::string &condition);
    virtual bool WalkEnded(const std::string &requested, const std::string &last, const std::string &returned);

    std::int32_t timeout = 100;
    std::int32_t retries = 1;
    VdSNMPDevice device;
    VdSNMPScope scope;
    VdSNMPSecurity security;
    VdSNMPVarList list;
    std::string rowCondition;
    bool alive = true;
    std::int32_t pending = 0;

    static constexpr int kDestructionWaitMs = 6000;

    // Takes a response apart into the list (code: 0, or -102 for a table). MoreRows: a table row was
    // stored; Over: nothing more to read; EchoEnded: a v1 agent echoed the request at the end of its
    // view; Retry: one column reached the end of the view, the step is to be sent again without it.
    // Raises for a failed step.
    enum class StepEnd { MoreRows, Over, EchoEnded, Retry };
    StepEnd ProcessResponse(const snmp::Pdu &response, int code);

protected:
    // The one way out to the agent for reads and writes: the session's Send and SendAsync.
    virtual int Exchange(snmp::Command command, const snmp::Target &target, const snmp::Pdu &pdu, snmp::Pdu &response);
    virtual int ExchangeAsync(snmp::Command command, const snmp::Target &target, const snmp::Pdu &pdu,
                              snmp::CompletionHandler done);

private:
    struct Link;
    struct AsyncContext;

    bool StepResult(StepEnd end) const;
    std::vector<int> AskedItems() const;
    StepEnd EndOfView(const snmp::Pdu &response, const std::vector<int> &asked);
    std::string RowInstance();
    void SelectItems(const std::string &selection, const ValueSource *source);
    snmp::Pdu PrepareWrite(const std::string &selection, const ValueSource *source, snmp::Target &target);
    // answer: a response already at hand, delivered like the agent's without sending pdu.
    void StartAsync(snmp::Command command, const snmp::Target &target, const snmp::Pdu &pdu,
                    RequestDone callback, void *owner, bool processResponse, const snmp::Pdu *answer = nullptr);
    void Complete(AsyncContext &context, int reason, const snmp::Pdu &response);
    bool Resend(AsyncContext &context, snmp::Command command, const snmp::Pdu &pdu, VdSNMPError &error);
    snmp::Command ReadCommand() const;
    bool UsesBulk() const;
    snmp::Pdu BulkPdu(bool first);
    StepEnd BulkStep(bool first, const snmp::Target &target);
    void KeepBulk(const snmp::Pdu &response);
    bool NextFromBulk(snmp::Pdu &answer);
    snmp::Target Target() const;
    bool RowLimitReached();
    void EndAsync(RequestDone callback, void *owner);
    void NoteCut(WalkCut::Why why, int i, const std::string &returned);

    std::shared_ptr<Link> link_;
    std::set<int> viewEnded_;  // columns a v1 agent ended at the end of its view in this walk
    // The bindings of the last GetBulk not used yet, per column in the order asked: each step takes
    // from them what a GetNext from the column's last identifier would have answered.
    struct BulkAnswer {
        std::vector<int> columns;
        std::vector<std::vector<snmp::VarBind>> bindings;
        std::vector<std::size_t> used;
    };
    BulkAnswer bulk_;
    int repetitions_ = 0;  // 0: not chosen yet in this walk
    bool bulkRefused_ = false;  // the agent answers tooBig to any GetBulk: this walk reads with GetNext
    int rowsRead_ = 0;
    std::vector<WalkCut> cuts_;
    std::set<int> cutColumns_;
};
