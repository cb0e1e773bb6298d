#!/usr/bin/python3
# A read-only file system showing a real folder's tree (names and sizes: the
# program under test opens no file), in which listing a folder named "slow"
# takes SECONDS seconds, like a share that has stopped answering. Listings of
# such folders are logged to LOG as "begin" and "end" lines.
#   slow-folder-fs.py SOURCE MOUNTPOINT SECONDS LOG
import os
import sys
import time

from fusepy import FUSE, FuseOSError, Operations


class SlowFolders(Operations):
    def __init__(self, source, seconds, log):
        self.source, self.seconds, self.log = source, seconds, log

    def getattr(self, path, fh=None):
        try:
            st = os.lstat(self.source + path)
        except OSError as e:
            raise FuseOSError(e.errno)
        return {k: getattr(st, k) for k in ('st_mode', 'st_nlink', 'st_size', 'st_atime', 'st_mtime', 'st_ctime')}

    def readdir(self, path, fh):
        slow = os.path.basename(path) == 'slow'
        if slow:
            print('begin', path, file=open(self.log, 'a'), flush=True)
            time.sleep(self.seconds)
            print('end', path, file=open(self.log, 'a'), flush=True)
        return ['.', '..'] + sorted(os.listdir(self.source + path))


if __name__ == '__main__':
    source, mountpoint, seconds, log = sys.argv[1], sys.argv[2], float(sys.argv[3]), sys.argv[4]
    # Threads, so that other folders answer while a slow one is being listed.
    FUSE(SlowFolders(source, seconds, log), mountpoint, foreground=True, nothreads=False, ro=True)
