#pragma once
#include "NumberedEditor.h"

#include "db/PartnerKinds.h"

// TfrmWXofficeEdit, TfrmBXofficeEdit, TfrmSFofficeEdit: the editor of a partner unit of any
// kind (its row of PartnerKinds), opened by the kind's list. 发件 hands the e-mail address to
// the mail program.
class PartnerEditor : public NumberedEditor {
    Q_OBJECT
public:
    static inline const QString BadEmailMessage = QStringLiteral("非法电子邮箱！");

    explicit PartnerEditor(const PartnerKind &kind, QWidget *parent = nullptr);

    const PartnerKind &kind() const { return m_kind; }
    // 发件: a new message to the address when it holds "@".
    void Button4Click();

protected:
    void fillLists() override;

private:
    QWidget *buildInputs();

    const PartnerKind &m_kind;
};
