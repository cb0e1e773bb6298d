#!/usr/bin/python3
# A read-only file system showing a real folder's tree (names and sizes: the
# program under test opens no file), in which listing a folder named "slow"
# takes SECONDS seconds, like a share that has stopped answering. Listings of
# such folders are logged to LOG as "begin" and "end" lines. A question about
# the attributes of a folder named "slowcheck" (which the check of a root
# asks) takes as long, logged the same way; its listings are logged as
# "listed" lines.
# While the file HOLD exists, questions about a path under a folder named
# "dead" (a share that stopped answering) and every question asked by a
# process's main thread (a program's window thread, under Wine) wait until it
# is removed; held questions are logged as "held" lines.
#   slow-folder-fs.py SOURCE MOUNTPOINT SECONDS LOG [HOLD]
import os
import sys
import time

from fusepy import FUSE, FuseOSError, Operations, fuse_get_context


def main_thread(tid):
    try:
        with open('/proc/%d/status' % tid) as status:
            return any(line.split() == ['Tgid:', str(tid)] for line in status)
    except OSError:
        return False


class SlowFolders(Operations):
    def __init__(self, source, seconds, log, hold):
        self.source, self.seconds, self.log, self.hold = source, seconds, log, hold

    def wait_while_held(self, path):
        if not self.hold or not os.path.exists(self.hold):
            return
        tid = fuse_get_context()[2]
        if '/dead' not in path and not main_thread(tid):
            return
        print('held', path, 'main' if main_thread(tid) else 'worker', file=open(self.log, 'a'), flush=True)
        while os.path.exists(self.hold):
            time.sleep(0.05)

    def getattr(self, path, fh=None):
        self.wait_while_held(path)
        if os.path.basename(path) == 'slowcheck':
            print('begin', path, file=open(self.log, 'a'), flush=True)
            time.sleep(self.seconds)
            print('end', path, file=open(self.log, 'a'), flush=True)
        try:
            st = os.lstat(self.source + path)
        except OSError as e:
            raise FuseOSError(e.errno)
        return {k: getattr(st, k) for k in ('st_mode', 'st_nlink', 'st_size', 'st_atime', 'st_mtime', 'st_ctime')}

    def readdir(self, path, fh):
        self.wait_while_held(path)
        if os.path.basename(path) == 'slowcheck':
            print('listed', path, file=open(self.log, 'a'), flush=True)
        slow = os.path.basename(path) == 'slow'
        if slow:
            print('begin', path, file=open(self.log, 'a'), flush=True)
            time.sleep(self.seconds)
            print('end', path, file=open(self.log, 'a'), flush=True)
        return ['.', '..'] + sorted(os.listdir(self.source + path))


if __name__ == '__main__':
    source, mountpoint, seconds, log = sys.argv[1], sys.argv[2], float(sys.argv[3]), sys.argv[4]
    hold = sys.argv[5] if len(sys.argv) > 5 else None
    # Threads, so that other folders answer while a slow one is being listed.
    FUSE(SlowFolders(source, seconds, log, hold), mountpoint, foreground=True, nothreads=False, ro=True)
