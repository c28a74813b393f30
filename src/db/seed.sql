-- The configuration rows a new database comes with.
--
-- An upgrade runs this file into empty shadow copies of the configuration tables and then adds to
-- the real tables only the rows whose keys they lack (see DatabaseCreator), so every row here must
-- carry its key: Limits by F_code, cfg_grid by (F_name, F_fieldname), cfg_import by
-- (F_tablename, S_Field), cfg_stat by F_name, t_code by F_type, KeyValue by position.
-- Grids built later add their layouts at the end of the cfg_grid section.
-- The company row and the built-in operator depend on the file's place and on the password
-- encoding, so they are written by DatabaseCreator itself.

-- Permissions: one per guarded command, named by the command's caption ---------------------------

INSERT INTO Limits (F_code, F_name, F_flag) VALUES
    ('101', '公司信息资料', 1),
    ('102', '更改用户密码', 1),
    ('103', '用户权限管理', 1),
    ('104', '工作日志管理', 1),
    ('105', '自定义设置', 1),
    ('106', '数据备份恢复', 1),
    ('107', '系统数据清理', 1),
    ('108', '导入员工资料', 1),
    ('109', '导入车辆信息', 1),
    ('110', '压缩修复数据', 1),
    ('201', '员工档案管理', 1),
    ('202', '车辆档案管理', 1),
    ('203', '修理工厂管理', 1),
    ('204', '保险公司管理', 1),
    ('205', '收费单位管理', 1),
    ('206', '选项...', 1),
    ('301', '车辆维修管理', 1),
    ('302', '车辆投保管理', 1),
    ('303', '车辆缴费管理', 1),
    ('304', '车辆年审管理', 1),
    ('305', '车辆事故管理', 1),
    ('306', '车辆违章记录', 1),
    ('307', '车辆投诉记录', 1),
    ('308', '车辆出车管理', 1),
    ('309', '车辆费用支出管理', 1),
    ('310', '车辆其他收入管理', 1),
    ('311', '车辆油耗记录管理', 1),
    ('401', '车辆信息提醒列表', 1),
    ('402', '车辆信息图表统计', 1),
    ('403', '车辆信息汇总统计', 1),
    ('404', '车辆信息明细统计', 1),
    ('405', '车辆维修查询统计', 1),
    ('406', '车辆事故查询统计', 1),
    ('407', '车辆违章查询统计', 1),
    ('408', '出车记录查询统计', 1),
    ('409', '车辆费用支出查询', 1),
    ('410', '车辆油耗查询统计', 1);

-- Settings, in F_ID order: captions of the vehicle's custom items (1-11), decimals of quantities,
-- unit prices and amounts (12-14), and a row kept as it is (15) ----------------------------------

INSERT INTO KeyValue (F_Value) VALUES
    ('字符项一'), ('字符项二'), ('字符项三'), ('字符项四'), ('字符项五'),
    ('数值项一'), ('数值项二'), ('数值项三'),
    ('日期项一'), ('日期项二'), ('日期项三'),
    ('2'), ('2'), ('2'),
    ('0');

-- Grid layouts ---------------------------------------------------------------------------------

INSERT INTO cfg_grid (F_name, F_fieldname, F_caption, F_width, F_readonly, F_visible, F_order,
                      F_alignMent, F_displayFormat, F_footerValue, F_footerType) VALUES
    ('rzlistgl', 'F_EmpName', '操作员', 100, 1, 1, 0, 0, '', '', 0),
    ('rzlistgl', 'F_OperType', '操作类型', 260, 1, 1, 1, 0, '', '', 0),
    ('rzlistgl', 'F_OperDate', '操作日期', 100, 1, 1, 2, 1, '', '', 0),
    ('rzlistgl', 'F_OperTime', '操作时间', 100, 1, 1, 3, 1, '', '', 0),
    ('dlgcarxz', 'F_code', '车牌', 80, 1, 1, 0, 0, '', '', 0),
    ('dlgcarxz', 'F_type', '车辆类型', 80, 1, 1, 1, 0, '', '', 0),
    ('dlgcarxz', 'F_pinPai', '品牌', 80, 1, 1, 2, 0, '', '', 0),
    ('dlgcarxz', 'F_xingHao', '型号', 80, 1, 1, 3, 0, '', '', 0),
    ('dlgcarxz', 'F_FDJcode', '发动机', 80, 1, 1, 4, 0, '', '', 0),
    ('dlgcarxz', 'F_diPan', '底盘', 80, 1, 1, 5, 0, '', '', 0),
    ('dlgcarxz', 'F_yanSe', '颜色', 80, 1, 1, 6, 0, '', '', 0),
    ('dlgcarxz', 'F_zaiZhong', '载重', 80, 1, 1, 7, 0, '', '', 0),
    ('dlgcarxz', 'F_zuoWei', '座位', 80, 1, 1, 8, 0, '', '', 0),
    ('dlgcarxz', 'F_BuyPrice', '购买金额', 80, 1, 1, 9, 0, '', '', 0),
    ('dlgcarxz', 'F_SCdate', '生产日期', 80, 1, 1, 10, 0, '', '', 0),
    ('dlgcarxz', 'F_buyDate', '购买日期', 80, 1, 1, 11, 0, '', '', 0),
    ('dlgcarxz', 'F_JSempName', '驾驶员', 80, 1, 1, 12, 0, '', '', 0),
    ('dlgcarxz', 'F_GSoffice', '归属单位', 80, 1, 1, 13, 0, '', '', 0),
    ('dlgcarxz', 'F_memo1', '备注', 80, 1, 1, 14, 0, '', '', 0),
    ('carman', 'F_code', '车牌', 80, 1, 1, 0, 0, '', '', 0),
    ('carman', 'F_type', '车辆类型', 80, 1, 1, 1, 0, '', '', 0),
    ('carman', 'F_pinPai', '品牌', 80, 1, 1, 2, 0, '', '', 0),
    ('carman', 'F_xingHao', '型号', 80, 1, 1, 3, 0, '', '', 0),
    ('carman', 'F_FDJcode', '发动机', 80, 1, 1, 4, 0, '', '', 0),
    ('carman', 'F_diPan', '底盘', 80, 1, 1, 5, 0, '', '', 0),
    ('carman', 'F_yanSe', '颜色', 80, 1, 1, 6, 0, '', '', 0),
    ('carman', 'F_zaiZhong', '载重', 80, 1, 1, 7, 0, '', '', 0),
    ('carman', 'F_zuoWei', '座位', 80, 1, 1, 8, 0, '', '', 0),
    ('carman', 'F_BuyPrice', '购买金额', 80, 1, 1, 9, 0, '', '', 0),
    ('carman', 'F_SCdate', '生产日期', 80, 1, 1, 10, 0, '', '', 0),
    ('carman', 'F_buyDate', '购买日期', 80, 1, 1, 11, 0, '', '', 0),
    ('carman', 'F_JSempName', '驾驶员', 80, 1, 1, 12, 0, '', '', 0),
    ('carman', 'F_GSoffice', '归属单位', 80, 1, 1, 13, 0, '', '', 0),
    ('carman', 'F_memo1', '备注', 80, 1, 1, 14, 0, '', '', 0),
    ('carman', 'F_ZF1', '字符项一', 80, 1, 1, 15, 0, '', '', 0),
    ('carman', 'F_ZF2', '字符项二', 80, 1, 1, 16, 0, '', '', 0),
    ('carman', 'F_ZF3', '字符项三', 80, 1, 1, 17, 0, '', '', 0),
    ('carman', 'F_ZF4', '字符项四', 80, 1, 1, 18, 0, '', '', 0),
    ('carman', 'F_ZF5', '字符项五', 80, 1, 1, 19, 0, '', '', 0),
    ('carman', 'F_SZ1', '数值项一', 80, 1, 1, 20, 0, '', '', 0),
    ('carman', 'F_SZ2', '数值项二', 80, 1, 1, 21, 0, '', '', 0),
    ('carman', 'F_SZ3', '数值项三', 80, 1, 1, 22, 0, '', '', 0),
    ('carman', 'F_RQ1', '日期项一', 80, 1, 1, 23, 0, '', '', 0),
    ('carman', 'F_RQ2', '日期项二', 80, 1, 1, 24, 0, '', '', 0),
    ('carman', 'F_RQ3', '日期项三', 80, 1, 1, 25, 0, '', '', 0);

-- Excel import maps: the importable fields of each table, offered in this order. F_Field starts
-- as the caption, which is the column title the sample workbooks use ----------------------------

INSERT INTO cfg_import (F_tablename, F_iFlag, F_fieldName, F_Field, S_Field) VALUES
    ('t_employee', 1, '工号', '工号', 'F_code'),
    ('t_employee', 1, '姓名', '姓名', 'F_name'),
    ('t_employee', 1, '性别', '性别', 'F_sex'),
    ('t_employee', 1, '身份证号', '身份证号', 'F_SFZcode'),
    ('t_employee', 1, '学历', '学历', 'F_xueLI'),
    ('t_employee', 1, '生日', '生日', 'F_SRdate'),
    ('t_employee', 1, '籍贯', '籍贯', 'F_jiguan'),
    ('t_employee', 1, '电话', '电话', 'F_phone'),
    ('t_employee', 1, '手机', '手机', 'F_handPhone'),
    ('t_employee', 1, '部门', '部门', 'F_dept'),
    ('t_employee', 1, '入职日期', '入职日期', 'F_RZdate'),
    ('t_employee', 1, '联系地址', '联系地址', 'F_address'),
    ('t_employee', 1, '驾驶证号', '驾驶证号', 'F_JSZcode'),
    ('t_employee', 1, '领证日期', '领证日期', 'F_LZdate'),
    ('t_employee', 1, '准驾车型', '准驾车型', 'F_ZJcltype'),
    ('t_employee', 1, '驾龄', '驾龄', 'F_JSnl'),
    ('t_employee', 1, '备注', '备注', 'F_memo1'),
    ('t_cars', 1, '车牌', '车牌', 'F_code'),
    ('t_cars', 1, '车辆类型', '车辆类型', 'F_type'),
    ('t_cars', 1, '品牌', '品牌', 'F_pinPai'),
    ('t_cars', 1, '型号', '型号', 'F_xingHao'),
    ('t_cars', 1, '发动机', '发动机', 'F_FDJcode'),
    ('t_cars', 1, '底盘', '底盘', 'F_diPan'),
    ('t_cars', 1, '颜色', '颜色', 'F_yanSE'),
    ('t_cars', 1, '载重', '载重', 'F_zaiZhong'),
    ('t_cars', 1, '座位', '座位', 'F_zuoWei'),
    ('t_cars', 1, '购买金额', '购买金额', 'F_buyPrice'),
    ('t_cars', 1, '生产日期', '生产日期', 'F_SCdate'),
    ('t_cars', 1, '购买日期', '购买日期', 'F_buyDate'),
    ('t_cars', 1, '驾驶员', '驾驶员', 'F_JSempName'),
    ('t_cars', 1, '归属单位', '归属单位', 'F_GSoffice'),
    ('t_cars', 1, '备注', '备注', 'F_memo1');

-- Chart groupings: each sums the counts of tempCLstat per category, named F_name -------------------

INSERT INTO cfg_stat (F_name, F_flag, F_SQLtext) VALUES ('车辆品牌', 1,
    'select ifnull(c.F_pinPai, '''') as F_name, sum(s.F_WXnum) as F_WXnum, sum(s.F_SGnum) as F_SGnum, sum(s.F_WZnum) as F_WZnum, sum(s.F_TSnum) as F_TSnum, sum(s.F_CCnum) as F_CCnum, sum(s.F_JYnum) as F_JYnum, sum(s.F_GLnum) as F_GLnum, sum(s.F_YLnum) as F_YLnum, sum(s.F_ZCprice) as F_ZCprice, sum(s.F_SRprice) as F_SRprice from tempCLstat as s left join (select F_code, max(F_pinPai) as F_pinPai from T_cars group by F_code) as c on s.F_CPcode = c.F_code where s.F_flag = 1 group by ifnull(c.F_pinPai, '''') order by 1');
INSERT INTO cfg_stat (F_name, F_flag, F_SQLtext) VALUES ('车辆类型', 1,
    'select ifnull(c.F_type, '''') as F_name, sum(s.F_WXnum) as F_WXnum, sum(s.F_SGnum) as F_SGnum, sum(s.F_WZnum) as F_WZnum, sum(s.F_TSnum) as F_TSnum, sum(s.F_CCnum) as F_CCnum, sum(s.F_JYnum) as F_JYnum, sum(s.F_GLnum) as F_GLnum, sum(s.F_YLnum) as F_YLnum, sum(s.F_ZCprice) as F_ZCprice, sum(s.F_SRprice) as F_SRprice from tempCLstat as s left join (select F_code, max(F_type) as F_type from T_cars group by F_code) as c on s.F_CPcode = c.F_code where s.F_flag = 1 group by ifnull(c.F_type, '''') order by 1');
INSERT INTO cfg_stat (F_name, F_flag, F_SQLtext) VALUES ('车辆颜色', 1,
    'select ifnull(c.F_yanSE, '''') as F_name, sum(s.F_WXnum) as F_WXnum, sum(s.F_SGnum) as F_SGnum, sum(s.F_WZnum) as F_WZnum, sum(s.F_TSnum) as F_TSnum, sum(s.F_CCnum) as F_CCnum, sum(s.F_JYnum) as F_JYnum, sum(s.F_GLnum) as F_GLnum, sum(s.F_YLnum) as F_YLnum, sum(s.F_ZCprice) as F_ZCprice, sum(s.F_SRprice) as F_SRprice from tempCLstat as s left join (select F_code, max(F_yanSE) as F_yanSE from T_cars group by F_code) as c on s.F_CPcode = c.F_code where s.F_flag = 1 group by ifnull(c.F_yanSE, '''') order by 1');
INSERT INTO cfg_stat (F_name, F_flag, F_SQLtext) VALUES ('驾 驶 员', 1,
    'select ifnull(F_EmpName, '''') as F_name, sum(F_WXnum) as F_WXnum, sum(F_SGnum) as F_SGnum, sum(F_WZnum) as F_WZnum, sum(F_TSnum) as F_TSnum, sum(F_CCnum) as F_CCnum, sum(F_JYnum) as F_JYnum, sum(F_GLnum) as F_GLnum, sum(F_YLnum) as F_YLnum, sum(F_ZCprice) as F_ZCprice, sum(F_SRprice) as F_SRprice from tempCLstat where F_flag = 1 group by ifnull(F_EmpName, '''') order by 1');
INSERT INTO cfg_stat (F_name, F_flag, F_SQLtext) VALUES ('归属单位', 1,
    'select ifnull(c.F_GSoffice, '''') as F_name, sum(s.F_WXnum) as F_WXnum, sum(s.F_SGnum) as F_SGnum, sum(s.F_WZnum) as F_WZnum, sum(s.F_TSnum) as F_TSnum, sum(s.F_CCnum) as F_CCnum, sum(s.F_JYnum) as F_JYnum, sum(s.F_GLnum) as F_GLnum, sum(s.F_YLnum) as F_YLnum, sum(s.F_ZCprice) as F_ZCprice, sum(s.F_SRprice) as F_SRprice from tempCLstat as s left join (select F_code, max(F_GSoffice) as F_GSoffice from T_cars group by F_code) as c on s.F_CPcode = c.F_code where s.F_flag = 1 group by ifnull(c.F_GSoffice, '''') order by 1');

-- Starter code dictionary, one set per code type ------------------------------------------------

INSERT INTO t_code (F_type, F_name) VALUES
    ('dept', '办公室'), ('dept', '财务部'), ('dept', '销售部'), ('dept', '生产部'),
    ('dept', '技术部'), ('dept', '后勤部'), ('dept', '车队'),
    ('xueli', '初中'), ('xueli', '高中'), ('xueli', '中专'), ('xueli', '大专'),
    ('xueli', '本科'), ('xueli', '研究生'),
    ('zjcltype', 'A1'), ('zjcltype', 'A2'), ('zjcltype', 'B1'), ('zjcltype', 'B2'),
    ('zjcltype', 'C1'), ('zjcltype', 'C2'),
    ('jsnl', '1年以下'), ('jsnl', '1-3年'), ('jsnl', '3-5年'), ('jsnl', '5-10年'),
    ('jsnl', '10年以上'),
    ('pinpai', '大众'), ('pinpai', '丰田'), ('pinpai', '本田'), ('pinpai', '别克'),
    ('pinpai', '奥迪'), ('pinpai', '东风'), ('pinpai', '解放'), ('pinpai', '金杯'),
    ('yanse', '白色'), ('yanse', '黑色'), ('yanse', '银灰色'), ('yanse', '红色'),
    ('yanse', '蓝色'), ('yanse', '香槟色'),
    ('cltype', '轿车'), ('cltype', '越野车'), ('cltype', '商务车'), ('cltype', '面包车'),
    ('cltype', '客车'), ('cltype', '货车'), ('cltype', '皮卡'),
    ('gsoffice', '总公司'), ('gsoffice', '杭州分公司'), ('gsoffice', '宁波分公司'),
    ('gsoffice', '温州分公司'), ('gsoffice', '物流中心'),
    ('zwname', '经理'), ('zwname', '副经理'), ('zwname', '主管'), ('zwname', '业务员'),
    ('zwname', '客服'), ('zwname', '会计'),
    ('wxtype', '常规保养'), ('wxtype', '小修'), ('wxtype', '中修'), ('wxtype', '大修'),
    ('wxtype', '钣金喷漆'), ('wxtype', '更换轮胎'), ('wxtype', '事故维修'),
    ('bxtype', '交强险'), ('bxtype', '车辆损失险'), ('bxtype', '第三者责任险'),
    ('bxtype', '全车盗抢险'), ('bxtype', '车上人员责任险'), ('bxtype', '不计免赔险'),
    ('jftype', '路桥费'), ('jftype', '车船税'), ('jftype', '停车费'), ('jftype', '通行年票'),
    ('jftype', '运营管理费'),
    ('nstype', '一级'), ('nstype', '二级'), ('nstype', '三级'), ('nstype', '合格'),
    ('sgtype', '追尾'), ('sgtype', '刮擦'), ('sgtype', '碰撞'), ('sgtype', '倒车事故'),
    ('sgtype', '单方事故'),
    ('wzitem', '超速行驶'), ('wzitem', '闯红灯'), ('wzitem', '违章停车'),
    ('wzitem', '不按导向车道行驶'), ('wzitem', '未系安全带'), ('wzitem', '驾车使用手机'),
    ('tstype', '服务态度'), ('tstype', '违规驾驶'), ('tstype', '车辆卫生'), ('tstype', '迟到误时'),
    ('cctype', '市内公务'), ('cctype', '长途出差'), ('cctype', '接送客户'), ('cctype', '货物运输'),
    ('cctype', '其他'),
    ('zctype', '洗车费'), ('zctype', '停车费'), ('zctype', '过路过桥费'), ('zctype', '配件费'),
    ('zctype', '美容装潢'),
    ('srtype', '租车收入'), ('srtype', '运输收入'), ('srtype', '保险理赔'), ('srtype', '废旧物资回收'),
    ('yhtype', '92号汽油'), ('yhtype', '95号汽油'), ('yhtype', '98号汽油'), ('yhtype', '0号柴油'),
    ('jyoffice', '中石化城东加油站'), ('jyoffice', '中石油文一路加油站'),
    ('jyoffice', '中石化滨江加油站'), ('jyoffice', '中海油下沙加油站'),
    ('ccdept', '办公室'), ('ccdept', '财务部'), ('ccdept', '销售部'), ('ccdept', '生产部'),
    ('ccdept', '技术部'), ('ccdept', '后勤部'),
    ('yhoffice', '中石化城东加油站'), ('yhoffice', '中石油文一路加油站'),
    ('yhoffice', '中石化滨江加油站'), ('yhoffice', '中海油下沙加油站');
