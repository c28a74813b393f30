#pragma once
#include "CodeBatch.h"

#include "forms/ListWindow.h"

class CodeTypeTabs;

// TFrmCodeMan "选项设置": keeps the codes of every type. Browse state: 新增, 修改, 删除, 打印,
// 刷新, 退出 and the tabs; edit state (新增, or 修改 on a type with codes): only 保存 and 取消,
// the grid editable. Appended and changed rows stay in the window until 保存 writes them in one
// transaction or 取消 drops them; 删除 writes at once. A save that fails keeps the window in the
// edit state with every change the operator made, so that nothing typed is lost.
class CodeDictionaryWindow : public ListWindow {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("选项设置");
    static inline const QString FirstTitle = QStringLiteral("部    门");
    static inline const QString NothingToEditMessage =
        QStringLiteral("此表为空，没有记录需要修改！");
    static inline const QString NothingToDeleteMessage = QStringLiteral("此表是空表，不需要删除！");
    static inline const QString SaveFailedMessage = QStringLiteral("保存失败，请检测数据库连接！");

    explicit CodeDictionaryWindow(QWidget *parent = nullptr);

    // The run operation of the main window's command: makes the window, places it, shows it
    // modally and frees it.
    static void run(QWidget *mainWindow);

    QString CurCodeType() const { return m_codeType; }
    bool isEditing() const { return m_editing; }
    const DataSet &codes() { return *rows(); }
    // The question 删除 asks for the current row.
    QString deleteQuestion() const;

    void tbNewClick();
    void tbEditClick();
    void tbDelClick();
    void tbSaveClick();
    void tbCancelClick();
    void tbPrintClick();
    void tbRefreshClick();
    void tbExitClick();
    void PageControl1Change(int index);

protected:
    void firstShow() override;

private:
    void EnableBrowseButtons(bool browsing);
    void SelectCodeType(int index);
    void StampCodeType();
    void openCodes(int currentRow = 0);
    void setGridTitle(const QString &title);
    QString currentCaption() const;
    // In the edit state: Down on the last row appends a row, as typing a list of names asks.
    void moveDownInGrid();
    void appendRowAndEdit();
    bool gridHasFocus() const;

    QString m_codeType;
    DataSet &m_codes;
    CodeBatch m_batch;
    bool m_editing = false;

    CodeTypeTabs *PageControl1;
};
