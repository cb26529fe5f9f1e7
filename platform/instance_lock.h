#pragma once

#include <string>

// The one-instance rule: an exclusive lock on a per-user file, held for the whole run.
// The kernel drops it when the process ends, however it ends.
class InstanceLock {
public:
    enum class Result { Acquired, HeldElsewhere, Failed };

    explicit InstanceLock(const std::string& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Result result() const { return m_result; }
    const std::string& error() const { return m_error; } // why, when Failed
    // The private folder that holds the lock; empty when none could be found.
    const std::string& folder() const { return m_folder; }

private:
    int m_fd = -1;
    Result m_result = Result::Failed;
    std::string m_error;
    std::string m_folder;
};
