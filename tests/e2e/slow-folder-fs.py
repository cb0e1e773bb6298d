#!/usr/bin/python3
# A read-only file system that shows a real folder's tree (names and sizes;
# the program under test opens no file) and in which listing
# any folder named "slow" takes SECONDS seconds: a network share that has
# stopped answering, for the program under test. Each listing of such a
# folder is logged to LOG as "begin" and "end" lines.
#   slow-folder-fs.py SOURCE MOUNTPOINT SECONDS LOG
import os
import sys
import time

from fusepy import FUSE, FuseOSError, Operations


class SlowFolders(Operations):
    def __init__(self, source, seconds, log):
        self.source = source
        self.seconds = seconds
        self.log = log

    def _real(self, path):
        return os.path.join(self.source, path.lstrip('/'))

    def _note(self, text):
        with open(self.log, 'a') as f:
            f.write(text + '\n')

    def getattr(self, path, fh=None):
        try:
            st = os.lstat(self._real(path))
        except OSError as e:
            raise FuseOSError(e.errno)
        return {k: getattr(st, k) for k in ('st_mode', 'st_nlink', 'st_size', 'st_uid', 'st_gid',
                                            'st_atime', 'st_mtime', 'st_ctime')}

    def readdir(self, path, fh):
        slow = os.path.basename(path) == 'slow'
        if slow:
            self._note('begin ' + path)
            time.sleep(self.seconds)
        names = ['.', '..'] + sorted(os.listdir(self._real(path)))
        if slow:
            self._note('end ' + path)
        return names


if __name__ == '__main__':
    source, mountpoint, seconds, log = sys.argv[1], sys.argv[2], float(sys.argv[3]), sys.argv[4]
    # Threads, so that other folders answer while a slow one is being listed.
    FUSE(SlowFolders(source, seconds, log), mountpoint, foreground=True, nothreads=False, ro=True)
