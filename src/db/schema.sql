-- The tables of the vehicle office database.
--
-- Kinds: text and memo are TEXT COLLATE NOCASE, so that =, IN, GROUP BY and DISTINCT ignore case
-- as the program's statements expect; money and float are REAL; Booleans are INTEGER 0/1 and
-- default to 0 (in service, not disabled) so that rows inserted without them still show up in
-- lists that ask for F_useFlag = 0; dates are TEXT 'yyyy-MM-dd', times TEXT 'hh:mm:ss'; pictures
-- are BLOB.
--
-- Every statement is idempotent, so that an upgrade can run this file again over an existing
-- database to add a table or an index that an older file lacks.

-- System tables -----------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS SysInfo (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_Code TEXT COLLATE NOCASE,
    F_Name TEXT COLLATE NOCASE,
    F_Manager TEXT COLLATE NOCASE,
    F_Phone TEXT COLLATE NOCASE,
    F_HandPhone TEXT COLLATE NOCASE,
    F_Homepage TEXT COLLATE NOCASE,
    F_Email TEXT COLLATE NOCASE,
    F_Enroler TEXT COLLATE NOCASE,
    F_Mem TEXT COLLATE NOCASE,
    F_BakPath TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS OperList (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_Name TEXT COLLATE NOCASE,
    F_PassWord TEXT COLLATE NOCASE,
    F_Mem TEXT COLLATE NOCASE,
    F_flag INTEGER DEFAULT 0,
    F_clFlag INTEGER DEFAULT 0,
    F_carS TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS Limits (
    F_code TEXT COLLATE NOCASE,
    F_name TEXT COLLATE NOCASE,
    F_flag INTEGER DEFAULT 0
);

CREATE TABLE IF NOT EXISTS OperLimit (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_OperName TEXT COLLATE NOCASE,
    F_lmtName TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS LogRec (
    F_EmpName TEXT COLLATE NOCASE,
    F_OperType TEXT COLLATE NOCASE,
    F_OperDate TEXT COLLATE NOCASE,
    F_OperTime TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS KeyValue (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_Value TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS cfg_grid (
    F_name TEXT COLLATE NOCASE,
    F_fieldname TEXT COLLATE NOCASE,
    F_caption TEXT COLLATE NOCASE,
    F_width INTEGER,
    F_readonly INTEGER DEFAULT 1,
    F_visible INTEGER DEFAULT 1,
    F_order INTEGER,
    F_alignMent INTEGER DEFAULT 0,
    F_displayFormat TEXT COLLATE NOCASE,
    F_footerValue TEXT COLLATE NOCASE,
    F_footerType INTEGER DEFAULT 0
);

-- S_Field is the target table's field name; F_fieldName is its caption shown to the operator.
CREATE TABLE IF NOT EXISTS cfg_import (
    F_tablename TEXT COLLATE NOCASE,
    F_iFlag INTEGER DEFAULT 1,
    F_fieldName TEXT COLLATE NOCASE,
    F_Field TEXT COLLATE NOCASE,
    S_Field TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS cfg_stat (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_name TEXT COLLATE NOCASE,
    F_flag INTEGER DEFAULT 1,
    F_SQLtext TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS t_code (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_type TEXT COLLATE NOCASE,
    F_name TEXT COLLATE NOCASE
);

-- Master tables -----------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS T_cars (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_code TEXT COLLATE NOCASE,
    F_name TEXT COLLATE NOCASE,
    F_type TEXT COLLATE NOCASE,
    F_pinPai TEXT COLLATE NOCASE,
    F_xingHao TEXT COLLATE NOCASE,
    F_FDJcode TEXT COLLATE NOCASE,
    F_diPan TEXT COLLATE NOCASE,
    F_yanSE TEXT COLLATE NOCASE,
    F_zaiZhong TEXT COLLATE NOCASE,
    F_zuoWei TEXT COLLATE NOCASE,
    F_buyPrice REAL,
    F_SCdate TEXT COLLATE NOCASE,
    F_buyDate TEXT COLLATE NOCASE,
    F_JSempName TEXT COLLATE NOCASE,
    F_GSoffice TEXT COLLATE NOCASE,
    F_useFlag INTEGER DEFAULT 0,
    F_memo1 TEXT COLLATE NOCASE,
    F_carImage1 BLOB,
    F_carImage2 BLOB,
    F_carImage3 BLOB,
    F_imagePath1 TEXT COLLATE NOCASE,
    F_imagePath2 TEXT COLLATE NOCASE,
    F_imagePath3 TEXT COLLATE NOCASE,
    F_ZF1 TEXT COLLATE NOCASE,
    F_ZF2 TEXT COLLATE NOCASE,
    F_ZF3 TEXT COLLATE NOCASE,
    F_ZF4 TEXT COLLATE NOCASE,
    F_ZF5 TEXT COLLATE NOCASE,
    F_SZ1 REAL,
    F_SZ2 REAL,
    F_SZ3 REAL,
    F_RQ1 TEXT COLLATE NOCASE,
    F_RQ2 TEXT COLLATE NOCASE,
    F_RQ3 TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS T_employee (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_code TEXT COLLATE NOCASE,
    F_name TEXT COLLATE NOCASE,
    F_sex TEXT COLLATE NOCASE,
    F_SFZcode TEXT COLLATE NOCASE,
    F_xueLI TEXT COLLATE NOCASE,
    F_SRdate TEXT COLLATE NOCASE,
    F_jiguan TEXT COLLATE NOCASE,
    F_phone TEXT COLLATE NOCASE,
    F_handPhone TEXT COLLATE NOCASE,
    F_dept TEXT COLLATE NOCASE,
    F_RZdate TEXT COLLATE NOCASE,
    F_address TEXT COLLATE NOCASE,
    F_JSZcode TEXT COLLATE NOCASE,
    F_LZdate TEXT COLLATE NOCASE,
    F_ZJcltype TEXT COLLATE NOCASE,
    F_JSnl TEXT COLLATE NOCASE,
    F_useFlag INTEGER DEFAULT 0,
    F_memo1 TEXT COLLATE NOCASE,
    F_empImage BLOB,
    F_imagePath TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS T_WXoffice (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_code TEXT COLLATE NOCASE,
    F_name TEXT COLLATE NOCASE,
    F_empName TEXT COLLATE NOCASE,
    F_ZWname TEXT COLLATE NOCASE,
    F_sex TEXT COLLATE NOCASE,
    F_phone TEXT COLLATE NOCASE,
    F_handPhone TEXT COLLATE NOCASE,
    F_fax TEXT COLLATE NOCASE,
    F_postcode TEXT COLLATE NOCASE,
    F_QQ TEXT COLLATE NOCASE,
    F_MSN TEXT COLLATE NOCASE,
    F_address TEXT COLLATE NOCASE,
    F_email TEXT COLLATE NOCASE,
    F_memo1 TEXT COLLATE NOCASE,
    F_useFlag INTEGER DEFAULT 0
);

CREATE TABLE IF NOT EXISTS T_BXoffice (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_code TEXT COLLATE NOCASE,
    F_name TEXT COLLATE NOCASE,
    F_empName TEXT COLLATE NOCASE,
    F_ZWname TEXT COLLATE NOCASE,
    F_sex TEXT COLLATE NOCASE,
    F_phone TEXT COLLATE NOCASE,
    F_handPhone TEXT COLLATE NOCASE,
    F_fax TEXT COLLATE NOCASE,
    F_postcode TEXT COLLATE NOCASE,
    F_QQ TEXT COLLATE NOCASE,
    F_MSN TEXT COLLATE NOCASE,
    F_address TEXT COLLATE NOCASE,
    F_email TEXT COLLATE NOCASE,
    F_memo1 TEXT COLLATE NOCASE,
    F_useFlag INTEGER DEFAULT 0
);

CREATE TABLE IF NOT EXISTS T_SFoffice (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_code TEXT COLLATE NOCASE,
    F_name TEXT COLLATE NOCASE,
    F_empName TEXT COLLATE NOCASE,
    F_ZWname TEXT COLLATE NOCASE,
    F_sex TEXT COLLATE NOCASE,
    F_phone TEXT COLLATE NOCASE,
    F_handPhone TEXT COLLATE NOCASE,
    F_fax TEXT COLLATE NOCASE,
    F_postcode TEXT COLLATE NOCASE,
    F_QQ TEXT COLLATE NOCASE,
    F_MSN TEXT COLLATE NOCASE,
    F_address TEXT COLLATE NOCASE,
    F_email TEXT COLLATE NOCASE,
    F_memo1 TEXT COLLATE NOCASE,
    F_useFlag INTEGER DEFAULT 0
);

-- Record tables: F_ID, F_mainID (T_cars.F_ID), F_CPcode (the plate when saved), F_memo1, and
-- each kind's own columns ---------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS T_WXrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER,
    F_CPcode TEXT COLLATE NOCASE,
    F_WXtype TEXT COLLATE NOCASE,
    F_WXdate TEXT COLLATE NOCASE,
    F_WXdayNum TEXT COLLATE NOCASE,
    F_WXmemo1 TEXT COLLATE NOCASE,
    F_WXoffice TEXT COLLATE NOCASE,
    F_WXprice REAL,
    F_JSempName TEXT COLLATE NOCASE,
    F_memo1 TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS T_TBrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER,
    F_CPcode TEXT COLLATE NOCASE,
    F_BXtype TEXT COLLATE NOCASE,
    F_BXoffice TEXT COLLATE NOCASE,
    F_BDcode TEXT COLLATE NOCASE,
    F_TBdate TEXT COLLATE NOCASE,
    F_TBprice REAL,
    F_TBrate REAL,
    F_NextTBdate TEXT COLLATE NOCASE,
    F_memo1 TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS T_JFrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER,
    F_CPcode TEXT COLLATE NOCASE,
    F_JFtype TEXT COLLATE NOCASE,
    F_SFoffice TEXT COLLATE NOCASE,
    F_JFcode TEXT COLLATE NOCASE,
    F_JFdate TEXT COLLATE NOCASE,
    F_JFprice REAL,
    F_JSempname TEXT COLLATE NOCASE,
    F_NextJFdate TEXT COLLATE NOCASE,
    F_memo1 TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS T_NSrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER,
    F_CPcode TEXT COLLATE NOCASE,
    F_NStype TEXT COLLATE NOCASE,
    F_NSdate TEXT COLLATE NOCASE,
    F_NSprice REAL,
    F_NextNSdate TEXT COLLATE NOCASE,
    F_memo1 TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS T_SGrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER,
    F_CPcode TEXT COLLATE NOCASE,
    F_SGtype TEXT COLLATE NOCASE,
    F_JSempname TEXT COLLATE NOCASE,
    F_SGdate TEXT COLLATE NOCASE,
    F_FSaddress TEXT COLLATE NOCASE,
    F_QRoffice TEXT COLLATE NOCASE,
    F_DFCPcode TEXT COLLATE NOCASE,
    F_DFcltype TEXT COLLATE NOCASE,
    F_DFempname TEXT COLLATE NOCASE,
    F_DFoffice TEXT COLLATE NOCASE,
    F_DFphone TEXT COLLATE NOCASE,
    F_DFhandphone TEXT COLLATE NOCASE,
    F_officePrice REAL,
    F_gerenPrice REAL,
    F_DFprice REAL,
    F_BXprice REAL,
    F_GYmem TEXT COLLATE NOCASE,
    F_SHmem TEXT COLLATE NOCASE,
    F_DFSHmem TEXT COLLATE NOCASE,
    F_HJmem TEXT COLLATE NOCASE,
    F_ZRmem TEXT COLLATE NOCASE,
    F_SGimage1 BLOB,
    F_SGimage2 BLOB,
    F_SGimage3 BLOB,
    F_imagePath1 TEXT COLLATE NOCASE,
    F_imagePath2 TEXT COLLATE NOCASE,
    F_imagePath3 TEXT COLLATE NOCASE,
    F_memo1 TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS T_WZrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER,
    F_CPcode TEXT COLLATE NOCASE,
    F_WZitem TEXT COLLATE NOCASE,
    F_WZaddress TEXT COLLATE NOCASE,
    F_JSempname TEXT COLLATE NOCASE,
    F_WZdate TEXT COLLATE NOCASE,
    F_FKprice REAL,
    F_memo1 TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS T_TSrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER,
    F_CPcode TEXT COLLATE NOCASE,
    F_TStype TEXT COLLATE NOCASE,
    F_TSname TEXT COLLATE NOCASE,
    F_TSempname TEXT COLLATE NOCASE,
    F_TSdate TEXT COLLATE NOCASE,
    F_TSreason TEXT COLLATE NOCASE,
    F_memo1 TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS T_CCrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER,
    F_CPcode TEXT COLLATE NOCASE,
    F_CCtype TEXT COLLATE NOCASE,
    F_JSempname TEXT COLLATE NOCASE,
    F_CCdept TEXT COLLATE NOCASE,
    F_YCempname TEXT COLLATE NOCASE,
    F_reason TEXT COLLATE NOCASE,
    F_CCdate TEXT COLLATE NOCASE,
    F_FHdate TEXT COLLATE NOCASE,
    F_GLnum REAL,
    F_ZCprice REAL,
    F_YLnum REAL,
    F_SRprice REAL,
    F_memo1 TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS T_ZCrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER,
    F_CPcode TEXT COLLATE NOCASE,
    F_ZCtype TEXT COLLATE NOCASE,
    F_ZCdate TEXT COLLATE NOCASE,
    F_ZCprice REAL,
    F_JSempname TEXT COLLATE NOCASE,
    F_memo1 TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS T_SRrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER,
    F_CPcode TEXT COLLATE NOCASE,
    F_SRtype TEXT COLLATE NOCASE,
    F_SRdate TEXT COLLATE NOCASE,
    F_SRprice REAL,
    F_JSempname TEXT COLLATE NOCASE,
    F_memo1 TEXT COLLATE NOCASE
);

CREATE TABLE IF NOT EXISTS T_YHrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER,
    F_CPcode TEXT COLLATE NOCASE,
    F_YHtype TEXT COLLATE NOCASE,
    F_JYdate TEXT COLLATE NOCASE,
    F_JSempname TEXT COLLATE NOCASE,
    F_beginLC REAL,
    F_endLC REAL,
    F_shijiLC REAL,
    F_YLnum REAL,
    F_DJprice REAL,
    F_totalPrice REAL,
    F_BGLyouhao REAL,
    F_MGLprice REAL,
    F_JYoffice TEXT COLLATE NOCASE,
    F_memo1 TEXT COLLATE NOCASE
);

-- Work tables of the statistics; emptied and refilled on every run -----------------------------

CREATE TABLE IF NOT EXISTS tempCLtotal (
    F_CPcode TEXT COLLATE NOCASE,
    F_wxDayNum INTEGER,
    F_wxPrice REAL,
    F_wxNum INTEGER,
    F_SGnum INTEGER,
    F_SGgsPrice REAL,
    F_SGgrPrice REAL,
    F_WZnum INTEGER,
    F_WZfkPrice REAL,
    F_CCnum INTEGER,
    F_CCglnum REAL,
    F_CCzcPrice REAL,
    F_CCnlnum REAL,
    F_CCsrPrice REAL,
    F_JYnum INTEGER,
    F_JYlcnum REAL,
    F_JYylnum REAL,
    F_JYprice REAL,
    F_flag INTEGER
);

CREATE TABLE IF NOT EXISTS tempCLstat (
    F_CPcode TEXT COLLATE NOCASE,
    F_EmpName TEXT COLLATE NOCASE,
    F_WXnum INTEGER,
    F_SGnum INTEGER,
    F_WZnum INTEGER,
    F_TSnum INTEGER,
    F_CCnum INTEGER,
    F_JYnum INTEGER,
    F_GLnum REAL,
    F_YLnum REAL,
    F_ZCprice REAL,
    F_SRprice REAL,
    F_flag INTEGER
);

-- Indexes for the list windows, the reminder list and the statistics over a large fleet:
-- every record table by vehicle, by plate, and by its main date and then plate (the order of
-- the record lists, whose period it serves; the plate in it is tested against the vehicles'
-- sub-select before a row is read); the due dates the reminder list ranges over; the vehicle
-- columns that the in-service and owning-unit sub-selects test. An upgrade replaces the date-only
-- indexes of older files. -----------------------------------------------------------------------

CREATE INDEX IF NOT EXISTS ix_T_cars_F_code ON T_cars (F_code);
CREATE INDEX IF NOT EXISTS ix_T_cars_F_GSoffice ON T_cars (F_GSoffice);
CREATE INDEX IF NOT EXISTS ix_T_cars_F_useFlag ON T_cars (F_useFlag, F_code);
CREATE INDEX IF NOT EXISTS ix_T_employee_F_name ON T_employee (F_name);
CREATE INDEX IF NOT EXISTS ix_T_employee_F_code ON T_employee (F_code);
CREATE INDEX IF NOT EXISTS ix_T_WXoffice_F_name ON T_WXoffice (F_name);
CREATE INDEX IF NOT EXISTS ix_T_BXoffice_F_name ON T_BXoffice (F_name);
CREATE INDEX IF NOT EXISTS ix_T_SFoffice_F_name ON T_SFoffice (F_name);

CREATE INDEX IF NOT EXISTS ix_T_WXrec_F_mainID ON T_WXrec (F_mainID);
CREATE INDEX IF NOT EXISTS ix_T_WXrec_F_CPcode ON T_WXrec (F_CPcode);
CREATE INDEX IF NOT EXISTS ix_T_WXrec_F_WXdate_F_CPcode ON T_WXrec (F_WXdate, F_CPcode);
DROP INDEX IF EXISTS ix_T_WXrec_F_WXdate;

CREATE INDEX IF NOT EXISTS ix_T_TBrec_F_mainID ON T_TBrec (F_mainID);
CREATE INDEX IF NOT EXISTS ix_T_TBrec_F_CPcode ON T_TBrec (F_CPcode);
CREATE INDEX IF NOT EXISTS ix_T_TBrec_F_TBdate_F_CPcode ON T_TBrec (F_TBdate, F_CPcode);
DROP INDEX IF EXISTS ix_T_TBrec_F_TBdate;
CREATE INDEX IF NOT EXISTS ix_T_TBrec_F_NextTBdate ON T_TBrec (F_NextTBdate);

CREATE INDEX IF NOT EXISTS ix_T_JFrec_F_mainID ON T_JFrec (F_mainID);
CREATE INDEX IF NOT EXISTS ix_T_JFrec_F_CPcode ON T_JFrec (F_CPcode);
CREATE INDEX IF NOT EXISTS ix_T_JFrec_F_JFdate_F_CPcode ON T_JFrec (F_JFdate, F_CPcode);
DROP INDEX IF EXISTS ix_T_JFrec_F_JFdate;
CREATE INDEX IF NOT EXISTS ix_T_JFrec_F_NextJFdate ON T_JFrec (F_NextJFdate);

CREATE INDEX IF NOT EXISTS ix_T_NSrec_F_mainID ON T_NSrec (F_mainID);
CREATE INDEX IF NOT EXISTS ix_T_NSrec_F_CPcode ON T_NSrec (F_CPcode);
CREATE INDEX IF NOT EXISTS ix_T_NSrec_F_NSdate_F_CPcode ON T_NSrec (F_NSdate, F_CPcode);
DROP INDEX IF EXISTS ix_T_NSrec_F_NSdate;
CREATE INDEX IF NOT EXISTS ix_T_NSrec_F_NextNSdate ON T_NSrec (F_NextNSdate);

CREATE INDEX IF NOT EXISTS ix_T_SGrec_F_mainID ON T_SGrec (F_mainID);
CREATE INDEX IF NOT EXISTS ix_T_SGrec_F_CPcode ON T_SGrec (F_CPcode);
CREATE INDEX IF NOT EXISTS ix_T_SGrec_F_SGdate_F_CPcode ON T_SGrec (F_SGdate, F_CPcode);
DROP INDEX IF EXISTS ix_T_SGrec_F_SGdate;

CREATE INDEX IF NOT EXISTS ix_T_WZrec_F_mainID ON T_WZrec (F_mainID);
CREATE INDEX IF NOT EXISTS ix_T_WZrec_F_CPcode ON T_WZrec (F_CPcode);
CREATE INDEX IF NOT EXISTS ix_T_WZrec_F_WZdate_F_CPcode ON T_WZrec (F_WZdate, F_CPcode);
DROP INDEX IF EXISTS ix_T_WZrec_F_WZdate;

CREATE INDEX IF NOT EXISTS ix_T_TSrec_F_mainID ON T_TSrec (F_mainID);
CREATE INDEX IF NOT EXISTS ix_T_TSrec_F_CPcode ON T_TSrec (F_CPcode);
CREATE INDEX IF NOT EXISTS ix_T_TSrec_F_TSdate_F_CPcode ON T_TSrec (F_TSdate, F_CPcode);
DROP INDEX IF EXISTS ix_T_TSrec_F_TSdate;

CREATE INDEX IF NOT EXISTS ix_T_CCrec_F_mainID ON T_CCrec (F_mainID);
CREATE INDEX IF NOT EXISTS ix_T_CCrec_F_CPcode ON T_CCrec (F_CPcode);
CREATE INDEX IF NOT EXISTS ix_T_CCrec_F_CCdate_F_CPcode ON T_CCrec (F_CCdate, F_CPcode);
DROP INDEX IF EXISTS ix_T_CCrec_F_CCdate;

CREATE INDEX IF NOT EXISTS ix_T_ZCrec_F_mainID ON T_ZCrec (F_mainID);
CREATE INDEX IF NOT EXISTS ix_T_ZCrec_F_CPcode ON T_ZCrec (F_CPcode);
CREATE INDEX IF NOT EXISTS ix_T_ZCrec_F_ZCdate_F_CPcode ON T_ZCrec (F_ZCdate, F_CPcode);
DROP INDEX IF EXISTS ix_T_ZCrec_F_ZCdate;

CREATE INDEX IF NOT EXISTS ix_T_SRrec_F_mainID ON T_SRrec (F_mainID);
CREATE INDEX IF NOT EXISTS ix_T_SRrec_F_CPcode ON T_SRrec (F_CPcode);
CREATE INDEX IF NOT EXISTS ix_T_SRrec_F_SRdate_F_CPcode ON T_SRrec (F_SRdate, F_CPcode);
DROP INDEX IF EXISTS ix_T_SRrec_F_SRdate;

CREATE INDEX IF NOT EXISTS ix_T_YHrec_F_mainID ON T_YHrec (F_mainID);
CREATE INDEX IF NOT EXISTS ix_T_YHrec_F_CPcode ON T_YHrec (F_CPcode);
CREATE INDEX IF NOT EXISTS ix_T_YHrec_F_JYdate_F_CPcode ON T_YHrec (F_JYdate, F_CPcode);
DROP INDEX IF EXISTS ix_T_YHrec_F_JYdate;

CREATE INDEX IF NOT EXISTS ix_LogRec_F_OperDate ON LogRec (F_OperDate, F_OperTime);
CREATE INDEX IF NOT EXISTS ix_t_code_F_type ON t_code (F_type);
CREATE INDEX IF NOT EXISTS ix_cfg_grid_F_name ON cfg_grid (F_name, F_fieldname);
CREATE INDEX IF NOT EXISTS ix_OperLimit_F_OperName ON OperLimit (F_OperName);
