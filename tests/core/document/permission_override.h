#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace taviro::test {

// While it lives, file permissions hold for this thread even when it runs as root: root's
// capabilities to override them are lowered from the effective set (they stay permitted and come
// back at the end). Tests of unreadable files and write-protected folders run as root in CI,
// where the permission bits alone would not stop anything.
class WithoutPermissionOverride {
public:
    WithoutPermissionOverride() {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        header_.pid = 0;
        if (::syscall(SYS_capget, &header_, saved_) != 0) {
            return;
        }
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        lowered_ = ::syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~WithoutPermissionOverride() {
        if (lowered_) {
            ::syscall(SYS_capset, &header_, saved_);
        }
    }
    WithoutPermissionOverride(const WithoutPermissionOverride&) = delete;
    WithoutPermissionOverride& operator=(const WithoutPermissionOverride&) = delete;

private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool lowered_ = false;
};

} // namespace taviro::test
