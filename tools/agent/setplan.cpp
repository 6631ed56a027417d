#include "tools/agent/setplan.h"

#include <algorithm>
#include <map>

namespace vrxagent {

namespace {

bool IsOctets(Syntax s)
{
    return s == Syntax::OctetString || s == Syntax::Opaque || s == Syntax::BitString;
}

// Checks a new value against the declared type and constraints.
int CheckValue(const Value& v, Syntax expected, const Ranges& size, const Ranges& range)
{
    if (v.syntax != expected) return kWrongType;
    if (IsOctets(v.syntax) && !size.Empty() &&
        !size.Contains(static_cast<std::int64_t>(v.bytes.size())))
        return kWrongLength;
    if (!range.Empty()) {
        bool isInt = v.syntax == Syntax::Integer;
        bool isNum = v.syntax == Syntax::Counter || v.syntax == Syntax::Gauge ||
                     v.syntax == Syntax::TimeTicks || v.syntax == Syntax::Counter64;
        if (isInt && !range.Contains(v.integer)) return kWrongValue;
        if (isNum && (v.number > static_cast<std::uint64_t>(INT64_MAX) ||
                      !range.Contains(static_cast<std::int64_t>(v.number))))
            return kWrongValue;
    }
    return kNoError;
}

int AccessError(Access a)
{
    return a == Access::NotAccessible ? kNoAccess : kNotWritable;
}

struct RowKey {
    const Table* table;
    Oid index;
    bool operator<(const RowKey& o) const
    {
        return table != o.table ? std::less<const Table*>()(table, o.table) : index < o.index;
    }
};

struct RowGroup {
    std::map<std::uint64_t, size_t> columns;  // column -> varbind index (the last one)
    size_t first = 0;
    bool duplicateStatus = false;
    size_t duplicateAt = 0;
};

class Planner {
public:
    Planner(const AgentState& st, const std::vector<SetVarbind>& vbs) : st_(st), vbs_(vbs) {}

    SetPlan Run()
    {
        for (size_t i = 0; i < vbs_.size() && plan_.status == kNoError; ++i) CheckOne(i);
        for (auto& key : order_) {
            if (plan_.status != kNoError) break;
            PlanRow(key, groups_[key]);
        }
        if (plan_.status != kNoError) plan_.ops.clear();
        return plan_;
    }

private:
    void Fail(size_t i, int status)
    {
        if (plan_.status != kNoError) return;
        plan_.status = status >= 128 ? kGenErr : status;
        plan_.failed = i;
    }

    void Put(const Oid& oid, const Value& v, const Object* old)
    {
        SetOp op;
        op.oid = oid;
        if (old) op.object = *old;
        op.object.value = v;
        plan_.ops.push_back(std::move(op));
    }

    void CheckOne(size_t i)
    {
        const SetVarbind& vb = vbs_[i];
        const MibData& mib = st_.mib;
        if (vb.error != kNoError) return Fail(i, vb.error);
        if (const Faults::Error* f = st_.faults.ErrorFor(vb.oid, true)) return Fail(i, f->status);
        const Object* obj = mib.Find(vb.oid);
        TablePlace place = mib.PlaceOf(vb.oid);
        const Column* col = nullptr;
        if (place.table) {
            auto c = place.table->columns.find(place.column);
            if (c != place.table->columns.end()) col = &c->second;
        }
        if (obj) {
            Access a = mib.EffectiveAccess(vb.oid, *obj);
            if (a != Access::ReadWrite) return Fail(i, AccessError(a));
            int e = CheckValue(vb.value, obj->value.syntax, mib.EffectiveSize(vb.oid, *obj),
                               mib.EffectiveRange(vb.oid, *obj));
            if (e != kNoError) return Fail(i, e);
        } else if (col) {
            if (col->access != Access::ReadWrite) return Fail(i, AccessError(col->access));
            int e = CheckValue(vb.value, col->syntax, col->size, col->range);
            if (e != kNoError) return Fail(i, e);
        } else {
            return Fail(i, mib.WritableObjectType(vb.oid) ? kNoCreation : kNotWritable);
        }
        if (!place.table) {
            Put(vb.oid, vb.value, obj);
            return;
        }
        RowKey key{place.table, place.index};
        auto found = groups_.find(key);
        if (found == groups_.end()) {
            order_.push_back(key);
            groups_[key].first = i;
        }
        RowGroup& g = groups_[key];
        bool isStatus = place.table->kind != StatusKind::None &&
                        place.column == place.table->statusColumn;
        if (isStatus && g.columns.count(place.column) && !g.duplicateStatus) {
            g.duplicateStatus = true;
            g.duplicateAt = i;
        }
        g.columns[place.column] = i;
    }

    Oid Instance(const Table& t, std::uint64_t column, const Oid& index) const
    {
        Oid oid = t.entry;
        oid.push_back(column);
        oid.insert(oid.end(), index.begin(), index.end());
        return oid;
    }

    // The value a new row's column takes when the PDU does not give one.
    bool DefaultOf(const Column& c, const Oid& index, Value* v) const
    {
        if (c.def == Column::Default::Value) return *v = c.defValue, true;
        if (c.def != Column::Default::Index) return false;
        Oid arcs = index;
        if (c.indexArc > 0) {
            // An address takes four arcs from arc n on, any other type the one arc.
            size_t first = static_cast<size_t>(c.indexArc) - 1;
            size_t count = c.syntax == Syntax::IpAddress ? 4 : 1;
            if (first + count > index.size()) return false;
            arcs = Oid(index.begin() + static_cast<long>(first),
                       index.begin() + static_cast<long>(first + count));
        }
        v->syntax = c.syntax;
        if (c.syntax == Syntax::IpAddress) {
            if (arcs.size() != 4) return false;
            v->bytes.clear();
            for (auto a : arcs) {
                if (a > 255) return false;
                v->bytes += static_cast<char>(a);
            }
            return true;
        }
        if (arcs.size() != 1) return false;
        if (c.syntax == Syntax::Integer) {
            if (arcs[0] > 2147483647u) return false;
            v->integer = static_cast<std::int64_t>(arcs[0]);
        } else {
            v->number = arcs[0];
        }
        return true;
    }

    // Every readable column other than the status has a value, now or from this PDU.
    bool Complete(const Table& t, const Oid& index, const RowGroup& g) const
    {
        for (const auto& [number, col] : t.columns) {
            if (col.access == Access::NotAccessible) continue;
            if (t.kind != StatusKind::None && number == t.statusColumn) continue;
            if (!g.columns.count(number) && !st_.mib.Find(Instance(t, number, index)))
                return false;
        }
        return true;
    }

    bool IndexAllowed(const Table& t, const Oid& index) const
    {
        if (t.index.Empty()) return true;
        return index.size() == 1 && index[0] <= static_cast<std::uint64_t>(INT64_MAX) &&
               t.index.Contains(static_cast<std::int64_t>(index[0]));
    }

    // A new row: the PDU's columns, then the defaults; false when a column is missing.
    bool Create(const Table& t, const Oid& index, const RowGroup& g, std::int64_t status,
                bool requireAll)
    {
        std::vector<std::pair<Oid, Value>> row;
        for (const auto& [number, col] : t.columns) {
            if (col.access == Access::NotAccessible) continue;
            Oid oid = Instance(t, number, index);
            Value v;
            if (t.kind != StatusKind::None && number == t.statusColumn) {
                v.syntax = Syntax::Integer;
                v.integer = status;
            } else if (g.columns.count(number)) {
                v = vbs_[g.columns.at(number)].value;
            } else if (!DefaultOf(col, index, &v)) {
                if (requireAll) return false;
                continue;
            }
            row.push_back({oid, v});
        }
        for (const auto& [number, vbIndex] : g.columns)
            if (!t.columns.count(number)) row.push_back({Instance(t, number, index), vbs_[vbIndex].value});
        for (auto& [oid, v] : row) Put(oid, v, nullptr);
        return true;
    }

    void Erase(const Table& t, const Oid& index)
    {
        for (const Oid& oid : st_.mib.RowObjects(t, index)) {
            SetOp op;
            op.erase = true;
            op.oid = oid;
            plan_.ops.push_back(std::move(op));
        }
    }

    void Modify(const Table& t, const Oid& index, const RowGroup& g)
    {
        for (const auto& [number, vbIndex] : g.columns) {
            Oid oid = Instance(t, number, index);
            Put(oid, vbs_[vbIndex].value, st_.mib.Find(oid));
        }
    }

    void PlanRow(const RowKey& key, const RowGroup& g)
    {
        const Table& t = *key.table;
        const Oid& index = key.index;
        bool exists = st_.mib.RowExists(t, index);
        auto sit = t.kind == StatusKind::None ? g.columns.end() : g.columns.find(t.statusColumn);
        if (g.duplicateStatus) return Fail(g.duplicateAt, kInconsistentValue);
        if (sit == g.columns.end()) {
            if (!exists) return Fail(g.first, kNoCreation);
            if (t.kind == StatusKind::RowStatus) return ModifyRowStatusRow(t, index, g);
            return Modify(t, index, g);
        }
        size_t at = sit->second;
        std::int64_t v = vbs_[at].value.integer;
        if (t.kind == StatusKind::RowStatus) return PlanRowStatus(t, index, g, exists, at, v);

        if (t.hasDelete && v == t.deleteValue) {
            if (exists) Erase(t, index);
            return;
        }
        bool create = std::find(t.createValues.begin(), t.createValues.end(), v) !=
                      t.createValues.end();
        if (exists) return Modify(t, index, g);
        if (!create) return Fail(at, kNoCreation);
        if (!IndexAllowed(t, index)) return Fail(at, kNoCreation);
        auto reads = t.createdReads.find(v);
        if (!Create(t, index, g, reads == t.createdReads.end() ? v : reads->second, true))
            return Fail(at, kInconsistentValue);
    }

    void ModifyRowStatusRow(const Table& t, const Oid& index, const RowGroup& g)
    {
        Modify(t, index, g);
        const Object* status = st_.mib.Find(Instance(t, t.statusColumn, index));
        if (status && status->value.integer == kNotReady && Complete(t, index, g)) {
            Value v = status->value;
            v.integer = kNotInService;
            Put(Instance(t, t.statusColumn, index), v, status);
        }
    }

    void PlanRowStatus(const Table& t, const Oid& index, const RowGroup& g, bool exists,
                       size_t at, std::int64_t v)
    {
        if (v < kActive || v > kDestroy || v == kNotReady) return Fail(at, kWrongValue);
        if (v == kDestroy) {
            if (exists) Erase(t, index);
            return;
        }
        if (!exists) {
            if (v == kActive || v == kNotInService) return Fail(at, kInconsistentValue);
            if (!IndexAllowed(t, index)) return Fail(at, kNoCreation);
            if (v == kCreateAndGo) {
                if (!Create(t, index, g, kActive, true)) Fail(at, kInconsistentValue);
                return;
            }
            Create(t, index, g, Complete(t, index, g) ? kNotInService : kNotReady, false);
            return;
        }
        if (v == kCreateAndGo || v == kCreateAndWait) return Fail(at, kInconsistentValue);
        bool complete = Complete(t, index, g);
        if (!complete) return Fail(at, kInconsistentValue);
        Modify(t, index, g);
    }

    const AgentState& st_;
    const std::vector<SetVarbind>& vbs_;
    SetPlan plan_;
    std::map<RowKey, RowGroup> groups_;
    std::vector<RowKey> order_;
};

}  // namespace

SetPlan PlanSet(const AgentState& state, const std::vector<SetVarbind>& varbinds)
{
    return Planner(state, varbinds).Run();
}

void ApplySet(MibData& mib, const std::vector<SetOp>& ops)
{
    for (const SetOp& op : ops) {
        if (op.erase)
            mib.objects.erase(op.oid);
        else
            mib.objects[op.oid] = op.object;
    }
    mib.Changed();
}

}  // namespace vrxagent
