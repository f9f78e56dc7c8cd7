"""A small RGB picture drawn pixel by pixel and saved as a 24-bit Windows bitmap; only the standard library."""
import struct

WHITE = (255, 255, 255)


class Sketch:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.px = [[WHITE] * width for _ in range(height)]

    def put(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = c

    def fill(self, l, t, r, b, c):
        for y in range(t, b):
            for x in range(l, r):
                self.put(x, y, c)

    def frame(self, l, t, r, b, c):
        for x in range(l, r):
            self.put(x, t, c)
            self.put(x, b - 1, c)
        for y in range(t, b):
            self.put(l, y, c)
            self.put(r - 1, y, c)

    def disc(self, cx, cy, radius, c):
        for y in range(cy - radius, cy + radius + 1):
            for x in range(cx - radius, cx + radius + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    self.put(x, y, c)

    def triangle(self, l, t, r, b, c):
        # Right angle at the bottom left.
        for y in range(t, b):
            span = int((y - t + 1) * (r - l) / (b - t))
            for x in range(l, l + span):
                self.put(x, y, c)

    def save(self, path):
        row = (self.width * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.height - 1, -1, -1):
            line = bytearray()
            for (r, g, b) in self.px[y]:
                line += bytes((b, g, r))
            line += b"\0" * (row - len(line))
            data += line
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        with open(path, "wb") as f:
            f.write(header + info + data)

    def polygon(self, points, c):
        """Fills the polygon through `points` (x, y pairs), even-odd rule, sampled at pixel centres."""
        top = int(min(y for _, y in points))
        bottom = int(max(y for _, y in points)) + 1
        for y in range(top, bottom):
            yc = y + 0.5
            xs = []
            for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
                if (y1 <= yc < y2) or (y2 <= yc < y1):
                    xs.append(x1 + (yc - y1) * (x2 - x1) / (y2 - y1))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                for x in range(int(round(a)), int(round(b))):
                    self.put(x, y, c)

    def ellipse(self, cx, cy, rx, ry, c):
        for y in range(cy - ry, cy + ry + 1):
            for x in range(cx - rx, cx + rx + 1):
                if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                    self.put(x, y, c)
