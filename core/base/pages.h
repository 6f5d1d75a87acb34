// Advice to the operating system about large blocks of memory.
#pragma once

#include <cstddef>

// Asks for the whole 2 MiB stretches inside block (bytes long) to be backed
// by huge pages when first touched: one page fault and one zeroing pass per
// 2 MiB instead of one fault per 4 KiB. Only advice: where the system has no
// such thing (Windows, or Linux without transparent huge pages) nothing
// happens, and the contents and the address of the block never change.
void AdviseHugePages(void* block, std::size_t bytes);
