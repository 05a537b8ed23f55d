#!/usr/bin/env python3
"""Writes the batch benchmark's input: 6 cities x 365 days x 20 years, one case a line
(latitude text, longitude text, zone offset seconds, method number, Unix time of local noon)."""
import datetime
import sys

CITIES = [
    ("24.28N", "054.22E", 14400, 1),   # Abu Dhabi
    ("21.25N", "039.49E", 10800, 5),   # Makkah
    ("30.03N", "031.14E", 7200, 2),    # Cairo
    ("33.52S", "151.13E", 36000, 3),   # Sydney
    ("40.43N", "074.00W", -18000, 4),  # New York
    ("51.30N", "000.07W", 0, 1),       # London
]

out = sys.stdout
start = datetime.date(2024, 1, 1)
for year in range(20):
    for day in range(365):
        date = start + datetime.timedelta(days=year * 365 + day)
        noon = datetime.datetime(date.year, date.month, date.day, 12, tzinfo=datetime.timezone.utc)
        for lat, lon, offset, method in CITIES:
            out.write(f"{lat}\t{lon}\t{offset}\t{method}\t{int(noon.timestamp()) - offset}\n")
