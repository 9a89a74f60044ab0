// What the change journal learns from the request's set path: the objects
// of each set with the values the window last read for them, the row a set
// makes or removes, and the outcome of the request. Also the object-by-
// object reads and writes an undo sends.
#include "CvSNMPRequest.h"

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvIndexCodec.h"
#include "CvValueCodec.h"

namespace {

bool sameText(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// A create value that makes a row whatever the agent held (RowStatus, an
// add command); a value such as "valid" also keeps an existing row valid.
bool alwaysCreates(const QString &text)
{
    return sameText(text, QStringLiteral("createAndGo"))
        || sameText(text, QStringLiteral("createAndWait")) || sameText(text, QStringLiteral("add"));
}

// The value a display text of the variable goes out as; nullopt when it
// does not convert.
std::optional<CvSNMPValue> valueOfText(const CvSNMPVariable &var, const QString &text)
{
    CvSNMPVarList one;
    one.vars.append(var);
    one.Var(0).value = text;
    one.Var(0).access = AccessReadWrite;
    try {
        return LoadValue(one, 0);
    } catch (const CvException &) {
        return std::nullopt;
    }
}

QString canonicalOid(const QString &text)
{
    const std::optional<CvOid> oid = ParseOid(text);
    return oid ? OidToText(*oid) : text;
}

} // namespace

void CvSNMPRequest::rememberRead(int i, const QString &oid, const CvSNMPValue &value)
{
    // Only what a set can replace: a table's read-only columns would only
    // take room.
    if (varList.Var(i).access & AccessWriteOnly)
        m_lastRead.insert(oid, value);
}

std::optional<CvSNMPValue> CvSNMPRequest::lastRead(int i, const QString &oid) const
{
    const auto it = m_lastRead.constFind(oid);
    if (it != m_lastRead.cend())
        return *it;
    // The last walk read this column to its end without meeting the row.
    if (varList.IsTableKind() && m_walkComplete && (varList.Var(i).access & AccessReadOnly))
        return CvSNMPValue::FromNull(CvSNMPValue::NoSuchInstance);
    return std::nullopt;
}

std::shared_ptr<const CvValueForm> CvSNMPRequest::formOf(int i) const
{
    auto form = std::make_shared<CvValueForm>();
    form->variable = varList.Var(i);
    form->variable.value.clear();
    form->variable.lastOid.clear();
    form->words = valueWords.value(i);
    return form;
}

QString CvSNMPRequest::instanceWords() const
{
    if (varList.IsTableKind()) {
        QStringList parts;
        for (int k = 0; k < varList.indexCount && k < varList.Count(); ++k) {
            const CvSNMPVariable &var = varList.Var(k);
            parts.append(var.label + QLatin1Char(' ') + var.value);
        }
        return parts.join(QStringLiteral(", "));
    }
    if (varList.kind == MVT_SV && !varList.instance.isEmpty())
        return QStringLiteral("instance ") + varList.instance;
    return QString();
}

CvSNMPRequest::RowLifecycle CvSNMPRequest::lifecycle() const
{
    if (rowLifecycle)
        return *rowLifecycle;
    RowLifecycle life;
    if (!varList.IsTableKind())
        return life;
    for (int i = qMax(0, varList.indexCount); i < varList.Count(); ++i) {
        const CvOptionList *options = varList.Var(i).options;
        if (!options)
            continue;
        QString go, wait, destroy, valid, invalid;
        const std::pair<const char *, QString *> names[]
            = {{"createAndGo", &go}, {"createAndWait", &wait}, {"destroy", &destroy},
                {"valid", &valid}, {"invalid", &invalid}};
        for (int k = 0; k < options->Count(); ++k)
            for (const auto &[name, slot] : names)
                if (sameText(options->Item(k).text, QLatin1String(name)))
                    *slot = options->Item(k).text;
        if (!go.isEmpty() && !destroy.isEmpty()) {
            life.createTexts = {go};
            if (!wait.isEmpty())
                life.createTexts.append(wait);
            life.removeText = destroy;
        } else if (!valid.isEmpty() && !invalid.isEmpty()) {
            life.createTexts = {valid};
            life.removeText = invalid;
        } else {
            continue;
        }
        life.createColumn = i;
        life.removeColumn = i;
        break;
    }
    return life;
}

QList<CvJournalColumn> CvSNMPRequest::rowColumns(const QString &rowSuffix, int statusColumn) const
{
    QList<CvJournalColumn> columns;
    for (int j = qMax(0, varList.indexCount); j < varList.Count(); ++j) {
        if (j == statusColumn)
            continue;
        const std::optional<CvOid> oid
            = ParseOid(varList.BaseOid(j) + QLatin1Char('.') + rowSuffix);
        if (!oid)
            continue;
        const auto it = m_lastRead.constFind(OidToText(*oid));
        if (it == m_lastRead.cend() || it->isException())
            continue;
        columns.append({*oid, varList.Var(j).label, *it, formOf(j)});
    }
    return columns;
}

QList<CvJournalObject> CvSNMPRequest::journalObjects(const QList<CvVarBinding> &selected)
{
    QList<CvJournalObject> objects;
    if (selected.isEmpty())
        return objects;
    const QString instance = instanceWords();
    const RowLifecycle life = lifecycle();
    const QString rowSuffix = varList.IsTableKind() ? RowIndexSuffix(varList) : QString();
    for (const CvVarBinding &b : selected) {
        const CvSNMPVariable &var = varList.Var(b.varIndex);
        CvJournalObject o;
        const std::optional<CvOid> oid = ParseOid(b.oid);
        o.oid = oid.value_or(CvOid());
        o.label = var.label;
        o.instance = instance;
        o.before = lastRead(b.varIndex, canonicalOid(b.oid));
        o.sent = b.value;
        o.form = formOf(b.varIndex);
        const bool absentBefore = o.before && o.before->isException();
        const auto creates = [&] {
            for (const QString &text : life.createTexts)
                if (sameText(var.value, text))
                    return alwaysCreates(text) || absentBefore;
            return false;
        };
        if (b.varIndex == life.createColumn && creates()) {
            o.role = CvJournalObject::Role::RowCreate;
            if (life.removeColumn == b.varIndex && !life.removeText.isEmpty())
                o.removeValue = valueOfText(var, life.removeText);
        } else if (b.varIndex == life.removeColumn && !life.removeText.isEmpty()
            && sameText(var.value, life.removeText)) {
            o.role = CvJournalObject::Role::RowDelete;
            if (life.createColumn == b.varIndex && !life.createTexts.isEmpty())
                o.createValue = valueOfText(var, life.createTexts.first());
            o.rowBefore = rowColumns(rowSuffix, b.varIndex);
        }
        objects.append(std::move(o));
    }
    return objects;
}

CvJournalTarget CvSNMPRequest::journalTarget() const
{
    return {device, scope, security, timeout, retries};
}

CvSnmpResponse CvSNMPRequest::waitRecorded(
    const QList<CvSnmpBinding> &bindings, const QList<CvJournalObject> &objects)
{
    CvChangeJournal &journal = CvChangeJournal::Instance();
    const CvChangeJournal::Ticket ticket = journal.Sending(journalTarget(), objects);
    CvSnmpResponse response;
    try {
        response = wait(target(true), CvPduType::Set, bindings);
    } catch (const CvException &e) {
        // The request may be gone by now: only the journal is touched.
        if (e.code() == MapLibraryResult(CvSnmpResult::SessionClosed))
            journal.Unanswered(ticket);
        else
            journal.NotSent(ticket, e.code());
        throw;
    }
    journal.Answered(ticket, RequestCode(response.result), response.errorIndex);
    return response;
}

void CvSNMPRequest::settleRecorded(quint64 handle, const CvSnmpResponse &response)
{
    const auto it = m_setTickets.find(handle);
    if (it == m_setTickets.end())
        return;
    const CvChangeJournal::Ticket ticket = *it;
    m_setTickets.erase(it);
    CvChangeJournal &journal = CvChangeJournal::Instance();
    if (response.result == CvSnmpResult::SessionClosed)
        journal.Unanswered(ticket);
    else
        journal.Answered(ticket, RequestCode(response.result), response.errorIndex);
}

QList<CvSNMPValue> CvSNMPRequest::GetObjects(const QList<CvOid> &oids)
{
    QList<CvSNMPValue> values(oids.size(), CvSNMPValue::FromNull(CvSNMPValue::NoSuchObject));
    QList<qsizetype> asked;
    for (qsizetype k = 0; k < oids.size(); ++k)
        asked.append(k);
    while (!asked.isEmpty()) {
        QList<CvSnmpBinding> bindings;
        for (qsizetype k : std::as_const(asked))
            bindings.append({oids.at(k), CvSNMPValue()});
        const CvSnmpResponse response = wait(target(false), CvPduType::Get, bindings);
        const int code = RequestCode(response.result);
        const qsizetype missing = qsizetype(response.errorIndex) - 1;
        // An SNMPv1 agent names the one object it does not hold; the others
        // are asked again.
        if (code == -102 && security.version == 0 && missing >= 0 && missing < asked.size()) {
            asked.removeAt(missing);
            continue;
        }
        if (code != 0)
            RaiseEngine(code);
        if (response.bindings.size() < asked.size())
            RaiseEngine(MapLibraryResult(CvSnmpResult::InvalidPdu));
        for (qsizetype k = 0; k < asked.size(); ++k)
            values[asked.at(k)] = response.bindings.at(k).value;
        break;
    }
    return values;
}

void CvSNMPRequest::SetObjects(const QList<CvJournalObject> &objects)
{
    QList<CvSnmpBinding> bindings;
    for (const CvJournalObject &o : objects)
        bindings.append({o.oid, o.sent});
    const CvSnmpResponse response = waitRecorded(bindings, objects);
    const int code = RequestCode(response.result);
    if (code == 0)
        return;
    QString message = MessageOf(code);
    const qsizetype k = qsizetype(response.errorIndex) - 1;
    if (k >= 0 && k < objects.size())
        message += QStringLiteral(" (") + objects.at(k).Name() + QLatin1Char(')');
    throw CvException(message, code);
}
