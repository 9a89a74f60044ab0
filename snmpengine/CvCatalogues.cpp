#include "CvCatalogues.h"

#include "CvCommonMessages.h"
#include "CvException.h"

#include <QLocale>

namespace {

CvMessageTable &snmpTable()
{
    static CvMessageTable t {
        "(SNMP) Response PDU Too Big!",
        "(SNMP) Variable does not exist!",
        "(SNMP) Cannot modify variable: Bad Value!",
        "(SNMP) Cannot modify object, Read Only!",
        "(SNMP) Cannot perform operation, General Error!",
        "(SNMP) Cannot access variable, No Access!",
        "(SNMP) Cannot create/modify variable, Wrong Type!",
        "(SNMP) Cannot create/set variable, Wrong Length!",
        "(SNMP) Cannot create/set variable, Wrong Encoding!",
        "(SNMP) Cannot create/set variable, Wrong Value!",
        "(SNMP) Cannot create variable, Creation Not Allowed!",
        "(SNMP) Cannot create/set variable, Inconsistent Value!",
        "(SNMP) Cannot create/set variable, Resource Unavailable!",
        "(SNMP) Cannot create/set variable, Commit Failed!",
        "(SNMP) Cannot create/set variable, Undo Failed!",
        "(SNMP) Cannot perform operation, Authorization Error!",
        "(SNMP) Cannot create/set variable, Not Writable!",
        "(SNMP) Cannot create variable, Inconsistent Name!",
    };
    return t;
}

CvMessageTable &snmpV3Table()
{
    static CvMessageTable t {
        "(SNMPv3) Unsupported Security Model!",
        "(SNMPv3) Message not in Time Window!",
        "(SNMPv3) Received same Message twice!",
        "(SNMPv3) Invalid Message!",
        "(SNMPv3) Invalid EngineID!",
        "(SNMPv3) v3MP not initialized!",
        "(SNMPv3) Parse Error!",
        "(SNMPv3) Received Message with unknown MsgID!",
        "(SNMPv3) Message does not match known message!",
        "(SNMPv3) Community format error!",
        "(SNMPv3) Unknown UserName!",
        "(SNMPv3) Build error!",
        "(SNMPv3) USM: error!",
        "(SNMPv3) Unknown pdu handlers!",
        "(SNMPv3) Unavailable Context!",
        "(SNMPv3) Unknown Context!",
        "(SNMPv3) Report sent!",
    };
    return t;
}

CvMessageTable &usmTable()
{
    static CvMessageTable t {
        "(SNMPv3USM) error!",
        "(SNMPv3USM) Configfile write error!",
        "(SNMPv3USM) Unsupported SecurityLevel!",
        "(SNMPv3USM) Unknown SecurityName!",
        "(SNMPv3USM) Encryption error!",
        "(SNMPv3USM) Decryption error!",
        "(SNMPv3USM) Authentication error!",
        "(SNMPv3USM) Authentication failure!",
        "(SNMPv3USM) Parse error!",
        "(SNMPv3USM) Unknown EngineID!",
        "(SNMPv3USM) Message not in TimeWindow!",
        "(SNMPv3USM) Unsupported AuthProtocol!",
        "(SNMPv3USM) Unsupported PrivProtocol!",
        "(SNMPv3USM) Address error!",
    };
    return t;
}

CvMessageTable &classTable()
{
    static CvMessageTable t {
        "(SNMPClass) Operation failed!",
        "(SNMPClass) Resource unavailable!",
        "(SNMPClass) Internal error!",
        "(SNMPClass) Unsupported function!",
        "(SNMPClass) SNMP request timed out!",
        "(SNMPClass) Received SNMP Response!",
        "(SNMPClass) Received SNMP Notification (trap or inform)!",
        "(SNMPClass) Closing session with outstanding requests!",
        "(SNMPClass)Unknown error code!",
        "(SNMPClass) Class not valid!",
        "(SNMPClass) Invalid Pdu!",
        "(SNMPClass) Invalid Target!",
        "(SNMPClass) Invalid (null) Callback Function!",
        "(SNMPClass) Invalid Request Id!",
        "(SNMPClass) Invalid Notification Id!",
        "(SNMPClass) SNMP Operation not supported on specified Target!",
        "(SNMPClass) Invalid Object Identifier!",
        "(SNMPClass) Invalid Address!",
        "(SNMPClass) Agent indicates error in SNMP request!",
        "(SNMP Class) Transport is not supported!",
        "(SNMPClass) Transport is in use!",
        "(SNMPClass) Transport operation failed!",
        "(SNMPClass) Blocked Mode Shutdown!",
    };
    return t;
}

CvMessageTable &cvSnmpTable()
{
    static CvMessageTable t {
        "(CvSNMP++) Ok!",
        "(CvSNMP++) Fail to read SNMP variables from file([FILENAME])!",
        "(CvSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
        "(CvSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
        "(CvSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
        "(CvSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
        "(CvSNMP++) Cannot create the global CvSNMP++ session!",
        "(CvSNMP++) Error when loading SNMP engine boots counter!",
        "(CvSNMP++) Error when saving SNMP engine boots counter!",
        "(CvSNMP++) Invalid IP Address or DNS name!",
        "(CvSNMP++) Can't send get-next command for a SNMP variable list with single value!",
        "(CvSNMP++) Bad SNMP syntax!",
        "(CvSNMP++) Null value in the expression!",
        "(CvSNMP++) Bad SNMP syntax in the expression!",
        "(CvSNMP++) Bad key count of SNMP variable list!",
        "(CvSNMP++) Bad item type of SNMP variable list!",
        "(CvSNMP++) Bad item type of associated SNMP variable list!",
        "(CvSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
        "(CvSNMP++) Bad value of the associated SNMP variable's (partial) data!",
        "(CvSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's "
        "(partial) data!",
        "(CvSNMP++) No reference option list for a SNMP variable's (partial) data associating with "
        "a "
        "optional visual control!",
        "(CvSNMP++) Bad type of the associated visual control!",
        "(CvSNMP++) Count of the associated visual controls is not enough!",
        "(CvSNMP++) No system start time for the time whose data source is the SNMP variable's "
        "(partial) data with syntax timeticks!",
        "(CvSNMP++) Count of the value items for the chart's history data is not enough!",
        "(CvSNMP++) Log database is not connected!",
        "(CvSNMP++) Log database field not found!",
        "(CvSNMP++) Bad syntax for the history chart of log!",
        "(CvSNMP++) Unknown error code!",
        "(CvSNMP++) The agent answered out of order, so the walk stopped; the rows read before "
        "it are kept.",
        "(CvSNMP++) The text \"[TEXT]\" has characters the switch cannot store: please use "
        "Western European (Latin-1) characters only!",
    };
    return t;
}

CvMessageTable &statusTable()
{
    static CvMessageTable t {
        "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
        "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    };
    return t;
}

} // namespace

CvMessageTable &CatalogueTable(Catalogue table)
{
    switch (table) {
    case Catalogue::Common:
        return CommonMessages();
    case Catalogue::Snmp:
        return snmpTable();
    case Catalogue::SnmpV3:
        return snmpV3Table();
    case Catalogue::SnmpV3Usm:
        return usmTable();
    case Catalogue::SnmpClass:
        return classTable();
    case Catalogue::CvSnmp:
        return cvSnmpTable();
    case Catalogue::StatusTemplates:
        break;
    }
    return statusTable();
}

QString CatalogueFileName(Catalogue table)
{
    switch (table) {
    case Catalogue::Common:
        return QStringLiteral("errmsg\\common.err");
    case Catalogue::Snmp:
        return QStringLiteral("errmsg\\snmp.err");
    case Catalogue::SnmpV3:
        return QStringLiteral("errmsg\\snmpv3.err");
    case Catalogue::SnmpV3Usm:
        return QStringLiteral("errmsg\\snmpusm.err");
    case Catalogue::SnmpClass:
        return QStringLiteral("errmsg\\snmpclass.err");
    case Catalogue::CvSnmp:
        return QStringLiteral("errmsg\\cvsnmp.err");
    case Catalogue::StatusTemplates:
        break;
    }
    return QStringLiteral("errmsg\\snmp.msg");
}

bool LoadCatalogue(Catalogue table, const QString &fileName)
{
    return CatalogueTable(table).Load(fileName);
}

QString MessageOf(int code)
{
    if (code == 0)
        return cvSnmpTable().Text(0);
    if (code >= -18 && code <= -1)
        return CommonMessages().Text(-code);
    if (code >= -118 && code <= -101)
        return snmpTable().Text(-code - 101);
    if (code >= -217 && code <= -201)
        return snmpV3Table().Text(-code - 201);
    if (code >= -314 && code <= -301)
        return usmTable().Text(-code - 301);
    if (code >= -423 && code <= -401)
        return classTable().Text(-code - 401);
    if (code >= -500 - cvSnmpTable().BuiltInCount() + 1 && code <= -501)
        return cvSnmpTable().Text(-code - 500);
    return cvSnmpTable().Text(28);
}

int MapLibraryResult(int result)
{
    if (result == 0 || result == 1400 || result == -1401)
        return 0;
    if (result >= 1 && result <= 18)
        return -100 - result;
    if (result >= -1418 && result <= -1402)
        return result + 1201;
    if (result >= 1401 && result <= 1414)
        return 1100 - result;
    if (result >= -23 && result <= -1)
        return result - 400;
    return EngineCode::Unknown;
}

void RaiseEngine(int code)
{
    throw CvException(MessageOf(code), code);
}

QString StatusTemplate(bool write)
{
    return statusTable().Text(write ? 1 : 0);
}

QString StatusTime(const QTime &time)
{
    const int h12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QLocale locale;
    const QString marker = time.hour() < 12 ? locale.amText() : locale.pmText();
    return QString::asprintf("%02d:%02d:%02d ", h12, time.minute(), time.second()) + marker;
}

QString FillStatusTemplate(
    const QString &templ, const QString &message, const QString &varListName, const QTime &time)
{
    QString line = templ;
    if (varListName.isEmpty()) {
        const qsizetype error = line.indexOf(QLatin1String("[ERROR]"));
        const qsizetype list = line.indexOf(QLatin1String("[VARLIST]"));
        if (error >= 0 && list > error)
            line.remove(error + 7, list + 9 - (error + 7));
    }
    return FillPlaceholders(
        line, {{"ERROR", message}, {"VARLIST", varListName}, {"TIME", StatusTime(time)}});
}
