#!/usr/bin/python3
"""A local SMTP server for the mail tests.

Prints one JSON object per line on stdout: {"event": "ready", "port": N} once listening,
{"event": "connect"} per connection, {"event": "message", ...} per accepted message, {"event": "data"} per message body received
(accepted or not).
Reads commands from stdin: "drop" closes every open connection, "quit" stops.
"""
import argparse
import asyncio
import base64
import json
import socket
import ssl
import sys
import threading

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword

lock = threading.Lock()


def emit(**event):
    with lock:
        sys.stdout.write(json.dumps(event) + "\n")
        sys.stdout.flush()


class Handler:
    def __init__(self, args):
        self.refused = set(args.refuse)
        self.refused_senders = set(args.refuse_sender)
        self.drops_at_mail = args.drop_at_mail
        self.data_delay = args.data_delay
        self.data_reply = args.data_reply

    async def handle_MAIL(self, server, session, envelope, address, mail_options):
        if self.drops_at_mail > 0:
            # Gone before the reply, as an idle connection the server has timed out.
            self.drops_at_mail -= 1
            server.transport.close()
            emit(event="dropped_at_mail")
            return "421 closing"
        if address in self.refused_senders:
            return "553 5.7.1 Sender address rejected"
        envelope.mail_from = address
        return "250 OK"

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address in self.refused:
            return "550 5.1.1 Recipient refused"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        emit(event="data")
        if self.data_delay:
            await asyncio.sleep(self.data_delay)
        if self.data_reply:
            return self.data_reply
        emit(event="message", mail_from=envelope.mail_from, rcpt_tos=envelope.rcpt_tos,
             data=base64.b64encode(envelope.original_content).decode("ascii"),
             tls=session.ssl is not None)
        return "250 Message accepted"


class Authenticator:
    def __init__(self, login, password):
        self.login = login.encode()
        self.password = password.encode()

    def __call__(self, server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword) and auth_data.login == self.login
              and auth_data.password == self.password)
        emit(event="auth", success=ok)
        return AuthResult(success=ok, handled=False)


class CountingSMTP(SMTP):
    sessions = []
    counting = False  # the controller's own start-up probe is not a client

    sessions_left = None  # None: no limit

    def connection_made(self, transport):
        if CountingSMTP.counting:
            CountingSMTP.sessions.append(transport)
            emit(event="connect")
            if CountingSMTP.sessions_left is not None:
                if CountingSMTP.sessions_left == 0:
                    transport.close()  # a server that has gone: no greeting
                    return
                CountingSMTP.sessions_left -= 1
        super().connection_made(transport)


class CountingController(Controller):
    def factory(self):
        return CountingSMTP(self.handler, **self.SMTP_kwargs)


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--auth", help="LOGIN:PASSWORD")
    parser.add_argument("--refuse", action="append", default=[])
    parser.add_argument("--refuse-sender", action="append", default=[])
    parser.add_argument("--drop-at-mail", type=int, default=0,
                        help="close the first N connections when MAIL FROM arrives")
    parser.add_argument("--data-delay", type=float, default=0,
                        help="seconds before the reply to the end of DATA")
    parser.add_argument("--data-reply", help="reply to the end of DATA instead of 250")
    parser.add_argument("--sessions", type=int,
                        help="serve only the first N connections, close later ones at once")
    args = parser.parse_args()

    kwargs = {}
    if args.cert:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)
        kwargs["tls_context"] = context
    if args.auth:
        login, password = args.auth.split(":", 1)
        kwargs["authenticator"] = Authenticator(login, password)
        kwargs["auth_require_tls"] = bool(args.cert)
        kwargs["auth_required"] = True

    port = free_port()
    controller = CountingController(Handler(args), hostname="127.0.0.1", port=port,
                                    **kwargs)
    controller.start()
    CountingSMTP.sessions_left = args.sessions
    CountingSMTP.counting = True
    emit(event="ready", port=port)

    for line in sys.stdin:
        command = line.strip()
        if command == "drop":
            def close_all():
                for transport in CountingSMTP.sessions:
                    transport.close()
                CountingSMTP.sessions.clear()
                emit(event="dropped")
            controller.loop.call_soon_threadsafe(close_all)
        elif command == "quit":
            break
    controller.stop()


if __name__ == "__main__":
    main()
