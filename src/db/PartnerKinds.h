#pragma once
#include "ListSearch.h"
#include "RecordKinds.h"

#include <QList>
#include <QString>

// The three kinds of partner unit (repair shops, insurers, fee-collecting units) as data: one
// list window and one editor read this table; every kind has the same fields, columns and
// searches and differs only in its table and texts.
struct PartnerKind {
    QString word;                 // WX, BX, SF
    QString table;                // T_WXoffice
    QString listCaption;          // "修理工厂资料管理"
    QString editorCaption;        // "维修工厂资料管理": the editor's design caption
    QString recordTitle;          // "维修工厂资料": the editor caption before " - 新增"
    QString exportTitle;          // "维修工厂资料"
    QString deleteQuestionHead;   // "真的要删除当前工厂名称为 "
    QString emptyCodeMessage;     // "当前工厂编号不能为空！"
    QString duplicateCodeMessage; // "工厂编号重复，请重新输入！"
    QString positionHint;         // hint of the position pick button
    int command = 0;              // 203

    QString listClass() const
    {
        return QStringLiteral("Tfrm") + word + QStringLiteral("officeMan");
    }
    QString editorClass() const
    {
        return QStringLiteral("Tfrm") + word + QStringLiteral("officeEdit");
    }
    QString layoutKey() const { return word.toLower() + QStringLiteral("officeman"); }
    QString reportName() const { return QStringLiteral("fr") + word + QStringLiteral("officeMan"); }
    QString deleteQuestion(const QString &name) const
    {
        return deleteQuestionHead + name + QStringLiteral(" 资料吗？");
    }
};

namespace PartnerKinds {
const QList<PartnerKind> &all();
const PartnerKind *byWord(const QString &word);
const PartnerKind *byCommand(int command);
// The list columns and the search types, the same for every kind.
const QList<RecordColumn> &columns();
const QList<ListSearch> &searches();
} // namespace PartnerKinds
