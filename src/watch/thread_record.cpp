#include "watch/thread_record.h"

namespace quillbox {

void ThreadRecord::markRead(const ThreadPage& page) {
    post.size = page.size;
    lastPage = page.lastPage == post.address ? QString() : page.lastPage;
    highestPost = page.highestPost;
    if (!page.title.isEmpty())
        title = page.title;
}

} // namespace quillbox
