#pragma once
#include <QString>

enum class LoginMode { FirstLogin, ChangeOperator };

// The checking behind the login window, without the window: looks the operator up, compares the
// password and counts the wrong passwords of existing operators. The fourth wrong password ends
// the attempt and writes its log entry (under the operator of the session in force).
class LoginAttempts {
public:
    enum class Outcome {
        NoName,          // the trimmed name is empty
        UnknownOperator, // no such operator (or the database could not tell): not counted
        Accepted,        // the password fits
        WrongPassword,   // counted, fewer than four so far
        Refused,         // the fourth wrong password
    };

    static constexpr int MaxAttempts = 4;
    static inline const QString FirstLoginFailed = QStringLiteral("登录失败！");
    static inline const QString ChangeFailed = QStringLiteral("更换操作员失败！");

    explicit LoginAttempts(LoginMode mode) : m_mode(mode) {}

    LoginMode mode() const { return m_mode; }
    int count() const { return m_count; }

    // The password is compared exactly (untrimmed, case-sensitive). A stored password that does
    // not decode fits no typed text, not even the empty one.
    Outcome check(const QString &typedName, const QString &password);

private:
    LoginMode m_mode;
    int m_count = 0;
};
