#pragma once

// Raised while the program itself changes controls, so that the controls'
// own change handlers ignore what they see.
class SystemChange {
public:
    bool isSystemChange() const { return m_raised; }

    // Raises the flag for its lifetime and lowers it again, also on early returns.
    class Guard {
    public:
        explicit Guard(SystemChange &flag) : m_flag(flag) { m_flag.m_raised = true; }
        ~Guard() { m_flag.m_raised = false; }
        Guard(const Guard &) = delete;
        Guard &operator=(const Guard &) = delete;

    private:
        SystemChange &m_flag;
    };

private:
    bool m_raised = false;
};
