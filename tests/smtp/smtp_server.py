#!/usr/bin/python3
"""A local SMTP server for the mail tests.

Prints one JSON object per line on stdout: {"event": "ready", "port": N} once listening,
{"event": "connect"} per connection, {"event": "message", ...} per accepted message, {"event": "data"} per message body received
(accepted or not).
Reads commands from stdin: "drop" closes every open connection, "quit" stops.
The options make it a faulty or hostile server, one fault each (see --help).
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
        self.mail_reply = args.mail_reply

    async def handle_MAIL(self, server, session, envelope, address, mail_options):
        if self.drops_at_mail > 0:
            # Gone before the reply, as an idle connection the server has timed out.
            self.drops_at_mail -= 1
            server.transport.close()
            emit(event="dropped_at_mail")
            return "421 closing"
        if address in self.refused_senders:
            return "553 5.7.1 Sender address rejected"
        if self.mail_reply:
            return self.mail_reply
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


async def flood(transport, mode):
    """Writes a greeting that never ends, as fast as the client takes it or line by line."""
    while not transport.is_closing():
        if mode == "drip":
            transport.write(b"220-still here\r\n")
            await asyncio.sleep(0.2)
            continue
        if transport.get_write_buffer_size() < 65536:
            transport.write(b"220-" + b"x" * 1000 + b"\r\n" if mode == "lines" else b"x" * 4096)
        await asyncio.sleep(0.001)


class CountingSMTP(SMTP):
    sessions = []
    counting = False  # the controller's own start-up probe is not a client

    sessions_left = None  # None: no limit
    greeting = None  # "lines", "line" or "drip": a greeting that never ends
    starttls_inject = False
    extra_reply = None  # a reply written with the go-ahead to DATA, in the same write
    close_after_message = False  # "421" right behind the acceptance of each message, then gone

    def connection_made(self, transport):
        if CountingSMTP.counting:
            CountingSMTP.sessions.append(transport)
            emit(event="connect")
            if CountingSMTP.sessions_left is not None:
                if CountingSMTP.sessions_left == 0:
                    transport.close()  # a server that has gone: no greeting
                    return
                CountingSMTP.sessions_left -= 1
            if CountingSMTP.greeting:
                self.flooding = True
                self.loop.create_task(flood(transport, CountingSMTP.greeting))
                return
        super().connection_made(transport)

    def connection_lost(self, error):
        if not getattr(self, "flooding", False):
            super().connection_lost(error)

    def data_received(self, data):
        if not getattr(self, "flooding", False):
            super().data_received(data)

    async def smtp_STARTTLS(self, arg):
        if not CountingSMTP.starttls_inject:
            return await super().smtp_STARTTLS(arg)
        # A man in the middle: plaintext replies queued behind the go-ahead, for the client
        # to read as if they came through TLS.
        self._writer.write(b"220 Ready to start TLS\r\n250-injected\r\n250 AUTH PLAIN\r\n"
                           b"235 ok\r\n250 ok\r\n250 ok\r\n354 go\r\n250 ok\r\n")
        await self._writer.drain()
        emit(event="injected")


    async def push(self, status):
        if CountingSMTP.close_after_message and status.startswith("250 Message accepted"):
            # An idle limit of nothing: the server says it closes, and does.
            self._writer.write(f"{status}\r\n421 4.4.2 Closing connection\r\n".encode())
            await self._writer.drain()
            self.transport.close()
            return
        if CountingSMTP.extra_reply and status.startswith("354"):
            # Two replies in one piece: the second answers nothing the client has sent.
            self._writer.write(f"{status}\r\n{CountingSMTP.extra_reply}\r\n".encode())
            await self._writer.drain()
            return
        await super().push(status)


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
    parser.add_argument("--mail-reply", help="reply to MAIL FROM instead of 250")
    parser.add_argument("--greeting", choices=["lines", "line", "drip"],
                        help="a greeting that never ends: endless lines, one endless line, "
                             "or a line every 0.2 seconds")
    parser.add_argument("--starttls-inject", action="store_true",
                        help="queue plaintext replies behind the go-ahead to STARTTLS")
    parser.add_argument("--extra-reply", help="a reply sent right after the go-ahead to DATA")
    parser.add_argument("--close-after-message", action="store_true",
                        help="say 421 and close right after accepting each message")
    parser.add_argument("--smtputf8", action="store_true",
                        help="offer SMTPUTF8; without it, addresses beyond ASCII are refused")
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

    kwargs["enable_SMTPUTF8"] = args.smtputf8
    port = free_port()
    controller = CountingController(Handler(args), hostname="127.0.0.1", port=port,
                                    **kwargs)
    controller.start()
    CountingSMTP.sessions_left = args.sessions
    CountingSMTP.greeting = args.greeting
    CountingSMTP.starttls_inject = args.starttls_inject
    CountingSMTP.extra_reply = args.extra_reply
    CountingSMTP.close_after_message = args.close_after_message
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
