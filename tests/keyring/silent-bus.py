#!/usr/bin/python3
"""A session bus that never answers: it takes every connection and says nothing.

Usage: silent-bus.py SOCKET_PATH; prints "ready" once it listens, runs until killed.
"""
import os
import socket
import sys

path = sys.argv[1]
if os.path.exists(path):
    os.unlink(path)
server = socket.socket(socket.AF_UNIX)
server.bind(path)
server.listen(16)
print("ready", flush=True)
held = []
while True:
    connection, _ = server.accept()
    held.append(connection)
