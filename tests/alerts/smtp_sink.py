#!/usr/bin/python3
# A local SMTP server for the mail tests: listens on 127.0.0.1 at a free port, prints
# {"port": n} once, then one JSON line per mail received (sender, recipients, decoded subject
# and body). With a login and password as arguments it requires AUTH and refuses others.
import asyncio
import email
import email.policy
import json
import sys

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword

LOGIN = sys.argv[1].encode() if len(sys.argv) > 2 else None
PASSWORD = sys.argv[2].encode() if len(sys.argv) > 2 else None


class Handler:
    async def handle_DATA(self, server, session, envelope):
        message = email.message_from_bytes(envelope.original_content, policy=email.policy.default)
        print(json.dumps({
            "from": envelope.mail_from,
            "to": envelope.rcpt_tos,
            "subject": str(message["subject"]),
            "body": message.get_content(),
        }), flush=True)
        return "250 OK"


def authenticator(server, session, envelope, mechanism, auth_data):
    ok = isinstance(auth_data, LoginPassword) and auth_data.login == LOGIN and auth_data.password == PASSWORD
    return AuthResult(success=ok, handled=False)


async def main():
    loop = asyncio.get_running_loop()

    def make():
        if LOGIN is None:
            return SMTP(Handler(), hostname="sink")
        return SMTP(Handler(), hostname="sink", authenticator=authenticator, auth_required=True,
                    auth_require_tls=False)

    server = await loop.create_server(make, "127.0.0.1", 0)
    print(json.dumps({"port": server.sockets[0].getsockname()[1]}), flush=True)
    await server.serve_forever()


asyncio.run(main())
