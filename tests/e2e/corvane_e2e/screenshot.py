"""Screenshots without any program of their own."""

import struct
import zlib
from pathlib import Path


class Screenshot:
    def __init__(self, width, height, bgrx):
        self.width, self.height, self._data = width, height, bgrx

    def pixel(self, x, y):
        """(red, green, blue) at a screen point."""
        i = (y * self.width + x) * 4
        b, g, r = self._data[i:i + 3]
        return r, g, b

    def save(self, path):
        rgb = bytearray(self.width * self.height * 3)
        rgb[0::3] = self._data[2::4]
        rgb[1::3] = self._data[1::4]
        rgb[2::3] = self._data[0::4]
        stride = self.width * 3
        raw = b''.join(b'\0' + rgb[y * stride:(y + 1) * stride] for y in range(self.height))

        def chunk(kind, data):
            return (struct.pack('>I', len(data)) + kind + data +
                    struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff))

        header = struct.pack('>IIBBBBB', self.width, self.height, 8, 2, 0, 0, 0)
        Path(path).write_bytes(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
                               chunk(b'IDAT', zlib.compress(bytes(raw), 6)) + chunk(b'IEND', b''))
        return Path(path)
