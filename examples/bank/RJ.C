 1  1	Finish this verse, Romans 1:1: "Paul, a servant of Jesus Christ ..."	Called to be an apostle, set apart for the Good News of God
 1  1	According to Romans 1:1, what follows "Paul, a servant of Jesus Christ, called to be an apostle"?	Set apart for the Good News of God
 1  1	Who, according to Romans 1:1, was called to be an apostle?	Paul
 1  2	How, according to Romans 1:2, does this go on: "which he promised before ..."?	Through his prophets in the holy Scriptures
 1  2	Does Romans 1:2 say, "which he promised before through his prophets in the holy Scriptures"?	Yes
 1  2	Recite Romans 1:2.	which he promised before through his prophets in the holy Scriptures,
 1  3	Does Romans 1:3 say, "who was born of the offspring of David according to the flesh"?	Yes
 1  3	According to Romans 1:3, what follows "concerning his Son"?	Who was born of the offspring of David according to the flesh
 1  3	Whose, according to Romans 1:3, is the offspring?	David's
 1  3	Where in Romans 1 do we read, "who was born of the offspring of David according to the flesh"?	Verse 3
 1  3	What word completes this: "who was born of the offspring of ___ according to the flesh"?	David
 1  4	Give the reference: "by the resurrection from the dead"	Romans 1:4
 1  4	What follows "who was declared to be the Son of God with power according to the Spirit of holiness, by the resurrection from the dead"?	Jesus Christ our Lord
 1  4	Quote Romans 1:4.	who was declared to be the Son of God with power according to the Spirit of holiness, by the resurrection from the dead, Jesus Christ our Lord,
 1  4	What word is missing in Romans 1:4: "who was ___ to be the Son of"?	Declared
 1  4	Can you finish this: "who was declared to be the Son of God with power according to the Spirit of holiness, by the resurrection from the dead ..."?	Jesus Christ our Lord
 1  4	Do we read in Romans 1:4, "by the resurrection from the dead"?	Yes
 1  5	Does Romans 1:5 say, "through whom we received grace and apostleship for obedience of faith among all the nations for his name's sake"?	Yes
 1  5	In which verse of Romans 1 do we read, "through whom we received grace and apostleship for obedience of faith among all the nations for his name's sake"?	Verse 5
 1  5	What word is missing in Romans 1:5: "for obedience of faith among all the ___ for his name's sake"?	Nations
 1  6	Which chapter of Romans says, "among whom you are also called to belong to Jesus Christ"?	Chapter 1
 1  7	Did Paul write, "to all who are in Rome"?	Yes
 1  7	Which verse of Romans 1 says, "to all who are in Rome"?	Verse 7
 1  7	In Romans 1:7, what follows "to all who are in Rome, beloved of God, called to be saints"?	Grace to you and peace from God our Father and the Lord Jesus Christ
 1  8	Will you quote Romans 1:8?	First, I thank my God through Jesus Christ for all of you, that your faith is proclaimed throughout the whole world.
 1  9	According to Romans 1:9, what follows "For God is my witness, whom I serve in my spirit in the Good News of his Son"?	How unceasingly I make mention of you always in my prayers
 1  9	Give the missing word: "how unceasingly I make mention of you ___ in my prayers"	Always
 1 10	Whose will does Romans 1:10 speak of?	The will of God
 1 10	True or false: Romans 1:10 says, "if by any means now at last I may be prospered by the will of God to come to you"	True
 1 10	Which verse of Romans 1 says, "if by any means now at last I may be prospered by the will of God to come to you"?	Verse 10
 1 10	What word is missing in Romans 1:10: "means now at last I may be ___ by the will of God"?	Prospered
 1 10	How does Paul finish this: "by any means now at last I may be prospered ..."?	By the will of God to come to you
 1 10	Will you quote Romans 1:10?	requesting, if by any means now at last I may be prospered by the will of God to come to you.
 1 11	Is it written in Romans 1:11, "to the end that you may be established"?	Yes
 1 11	What follows "For I long to see you" in Romans 1:11?	That I may impart to you some spiritual gift, to the end that you may be established
 1 11	Fill in the missing word from Romans 1:11: "that I may ___ to you some spiritual gift"	Impart
 1 11	Can you finish this: "For I long to see you, that I may impart to you some spiritual gift ..."?	To the end that you may be established
 1 11	Quote Romans 1:11.	For I long to see you, that I may impart to you some spiritual gift, to the end that you may be established;
 1 12	Finish this verse, Romans 1:12: "that is, that I with you may be encouraged in you, each of us by the other's faith ..."	Both yours and mine
 1 12	Will you quote Romans 1:12?	that is, that I with you may be encouraged in you, each of us by the other's faith, both yours and mine.
 1 12	How does Paul finish this: "each of us ..."?	By the other's faith
 1 13	Give the reference: "Now I don't desire to have you unaware"	Romans 1:13
 1 14	Can you finish this: "I am debtor both to Greeks and to foreigners ..."?	Both to the wise and to the foolish
 1 14	Where, in Romans, is it written, "both to the wise and to the foolish"?	Romans 1:14
 1 14	Give the missing word: "I am ___ both to Greeks and to"	Debtor
 1 15	Can you finish this: "So as much as is in me ..."?	I am eager to preach the Good News to you also who are in Rome
 1 15	What word completes this: "I am eager to ___ the Good News to you"?	Preach
 1 16	What is the power of God for salvation for everyone who believes?	The Good News
 1 16	According to Romans 1:16, why for I am not ashamed of the Good News of Christ?	Because it is the power of God for salvation for everyone who believes, for the Jew first, and
 1 17	Quote Romans 1:17.	For in it is revealed God's righteousness from faith to faith. As it is written, "But the righteous shall live by faith."
 1 17	Which verse of Romans 1 says, "But the righteous shall live by faith"?	Verse 17
 1 18	Give the missing word: "the wrath of God is revealed from ___ against all ungodliness and unrighteousness"	Heaven
 1 18	Are these the words of Romans 1: "For the wrath of God is revealed from heaven against all ungodliness and unrighteousness of men who suppress the truth in unrighteousness"?	Yes
 1 18	Whose, according to Romans 1:18, is the wrath?	God's
 1 18	Which chapter of Romans says, "For the wrath of God is revealed from heaven against all ungodliness and unrighteousness of men who suppress the truth in unrighteousness"?	Chapter 1
 1 19	Why, in Romans 1:19, does Paul say, "because that which is known of God is revealed in them"?	For God revealed it to them
 1 19	In Romans 1:19, what follows "because that which is known of God is revealed in them"?	For God revealed it to them
 1 19	Finish this: "because that which is known of God is revealed in them ..."	For God revealed it to them
 1 20	Can you finish this: "For the invisible things of him since the creation of the world are clearly seen ..."?	Being perceived through the things that are made, even his everlasting power and divinity, that they may be without excuse
 1 20	According to Romans 1:20, what follows "For the invisible things of him since the creation of the world are clearly seen"?	Being perceived through the things that are made, even his everlasting power and divinity, that they may be without excuse
 1 20	In which verse of Romans 1 do we read, "being perceived through the things that are made"?	Verse 20
 1 20	Are these the words of Romans 1: "that they may be without excuse"?	Yes
 1 20	Quote Romans 1:20.	For the invisible things of him since the creation of the world are clearly seen, being perceived through the things that are made, even his everlasting power and divinity, that they may be without excuse.
 1 20	What word is missing in Romans 1:20: "For the ___ things of him since the"?	Invisible
 1 21	When they knew God, what did they fail to do?	They didn't glorify him as God, and didn't give thanks
 1 21	In Romans 1:21, what follows "Because knowing God, they didn't glorify him as God, and didn't give thanks, but became vain in their reasoning"?	And their senseless heart was darkened
 1 22	What follows "Professing themselves to be wise" in Romans 1:22?	They became fools
 1 22	Does Romans 1:22 say, "Professing themselves to be wise"?	Yes
 1 22	Can you finish this: "Professing themselves to be wise ..."?	They became fools
 1 22	Which chapter of Romans says, "Professing themselves to be wise"?	Chapter 1
 1 24	Which verse of Romans 1 says, "that their bodies should be dishonored among themselves"?	Verse 24
 1 24	Who, according to Romans 1:24, also gave them up in the lusts of their hearts to uncleanness?	God
 1 24	In Romans 1:24, what follows "Therefore God also gave them up in the lusts of their hearts to uncleanness"?	That their bodies should be dishonored among themselves
 1 25	Give the reference: "who exchanged the truth of God for a lie"	Romans 1:25
 1 25	What follows "who exchanged the truth of God for a lie, and worshiped and served the creature rather than the Creator" in Romans 1:25?	Who is blessed forever. Amen
 1 27	In Romans 1:27, what follows "Likewise also the men, leaving the natural function of the woman, burned in their lust toward one another, men doing what is inappropriate with men"?	And receiving in themselves the due penalty of their error
 1 27	Finish this: "Likewise also the men, leaving the natural function of the woman, burned in their lust toward one another, men doing what is inappropriate with men ..."	And receiving in themselves the due penalty of their error
 1 27	Was it Paul who wrote, "burned in their lust toward one another"?	Yes
 1 28	Can you finish this: "Even as they refused to have God in their knowledge ..."?	God gave them up to a reprobate mind, to do those things which are not fitting
 1 28	Give the missing word: "Even as they ___ to have God in their"	Refused
 1 28	In Romans 1:28, who gave them up to a reprobate mind?	God
 1 29	In which verse of Romans 1 do we read, "being filled with all unrighteousness"?	Verse 29
 1 29	What follows "being filled with all unrighteousness, sexual immorality, wickedness, covetousness, malice" in Romans 1:29?	Full of envy, murder, strife, deceit, evil habits, secret slanderers
 1 29	Can you finish this: "being filled with all unrighteousness, sexual immorality, wickedness, covetousness, malice; full of envy, murder, strife ..."?	Deceit, evil habits, secret slanderers
 1 29	Is it written in Romans 1:29, "being filled with all unrighteousness"?	Yes
 1 30	Can you finish this: "backbiters, hateful to God ..."?	Insolent, arrogant, boastful, inventors of evil things, disobedient to parents
 1 30	In Romans 1:30, what follows "backbiters, hateful to God, insolent"?	Arrogant, boastful, inventors of evil things, disobedient to parents
 1 31	What word is missing in Romans 1:31: "without natural ___, unforgiving, unmerciful"?	Affection
 1 31	Finish this verse, Romans 1:31: "without understanding, covenant breakers ..."	Without natural affection, unforgiving, unmerciful
 1 31	What follows "without understanding, covenant breakers"?	Without natural affection, unforgiving, unmerciful
 1 31	Quote Romans 1:31.	without understanding, covenant breakers, without natural affection, unforgiving, unmerciful;
 1 31	Can you finish this: "without understanding, covenant breakers ..."?	Without natural affection, unforgiving, unmerciful
 1 32	Finish this: "who, knowing the ordinance of God, that those who practice such things are worthy of death ..."	Not only do the same, but also approve of those who practice them
 2  1	Which chapter of Romans says, "For you who judge practice the same things"?	Chapter 2
 2  2	Whose, according to Romans 2:2, is the judgment?	God's
 2  2	Do we read in Romans 2:2, "We know that the judgment of God is according to truth against those who practice such things"?	Yes
 2  3	What follows "Do you think this"?	O man who judges those who practice such things, and do the same, that you will escape the judgment of God
 2  3	Does Romans 2:3 say, "that you will escape the judgment of God"?	Yes
 2  4	Finish this: "Or do you despise the riches of his goodness, forbearance ..."	And patience, not knowing that the goodness of God leads you to repentance
 2  5	In Romans 2:5, what follows "But according to your hardness and unrepentant heart you are treasuring up for yourself wrath in the day of wrath, revelation"?	And of the righteous judgment of God
 2  6	Did Paul write, "who will pay back to everyone according to their works"?	Yes
 2  6	Recite Romans 2:6.	who "will pay back to everyone according to their works:"
 2  6	Which verse of Romans 2 says, "who will pay back to everyone according to their works"?	Verse 6
 2  7	Fill in the missing word from Romans 2:7: "and ___, eternal life"	Incorruptibility
 2  8	Give the reference: "but to those who are self-seeking and don't obey the truth"	Romans 2:8
 2  8	Will you quote Romans 2:8?	but to those who are self-seeking and don't obey the truth, but obey unrighteousness, will be wrath, indignation,
 2  8	Finish this: "but to those who are self-seeking and don't obey the truth ..."	But obey unrighteousness, will be wrath, indignation
 2  8	Are these the words of Romans 2: "but to those who are self-seeking and don't obey the truth"?	Yes
 2 10	Finish this verse, Romans 2:10: "But glory, honor, and peace go to every man who does good, to the Jew first ..."	And also to the Greek
 2 10	Fill in the missing word from Romans 2:10: "But glory, ___, and peace go"	Honor
 2 11	Give the missing word: "For there is no ___ with God"	Partiality
 2 11	Which verse of Romans 2 says, "For there is no partiality with God"?	Verse 11
 2 11	Does Romans 2:11 say, "For there is no partiality with God"?	Yes
 2 11	Recite Romans 2:11.	For there is no partiality with God.
 2 11	Did Paul write, "For there is no partiality with God"?	Yes
 2 12	Can you finish this: "For as many as have sinned without the law will also perish without the law ..."?	As many as have sinned under the law will be judged by the law
 2 12	What follows "For as many as have sinned without the law will also perish without the law"?	As many as have sinned under the law will be judged by the law
 2 12	How, according to Romans 2:12, does this go on: "many as have sinned under the law will be judged ..."?	By the law
 2 14	When Gentiles who don't have the law do by nature the things of the law, what are they to themselves?	A law
 2 14	What word completes this: "not ___ the law"?	Having
 2 15	Do we read in Romans 2:15, "their conscience testifying with them"?	Yes
 2 15	Can you finish this: "in that they show the work of the law written in their hearts, their conscience testifying with them ..."?	And their thoughts among themselves accusing or else excusing them
 2 15	Quote Romans 2:15.	in that they show the work of the law written in their hearts, their conscience testifying with them, and their thoughts among themselves accusing or else excusing them)
 2 15	In Romans 2:15, what follows "in that they show the work of the law written in their hearts, their conscience testifying with them"?	And their thoughts among themselves accusing or else excusing them
 2 15	Which verse of Romans 2 says, "and their thoughts among themselves accusing or else excusing them"?	Verse 15
 2 15	What word is missing in Romans 2:15: "their ___ testifying with them"?	Conscience
 2 16	When God judges the secrets of men, by whom does he judge them?	By Jesus Christ
 2 16	Who, according to Romans 2:16, will judge the secrets of men?	God
 2 16	Will you quote Romans 2:16?	in the day when God will judge the secrets of men, according to my Good News, by Jesus Christ.
 2 17	Do we read in Romans 2:17, "Indeed you bear the name of a Jew"?	Yes
 2 17	Give the reference: "Indeed you bear the name of a Jew"	Romans 2:17
 2 18	Did Paul write, "being instructed out of the law"?	Yes
 2 19	Give the reference: "and are confident that you yourself are a guide of the blind"	Romans 2:19
 2 19	Finish this verse, Romans 2:19: "and are confident that you yourself are a guide of the blind ..."	A light to those who are in darkness
 2 19	What follows "and are confident that you yourself are a guide of the blind"?	A light to those who are in darkness
 2 19	True or false: Romans 2:19 says, "and are confident that you yourself are a guide of the blind"	True
 2 20	Give the missing word: "a teacher of ___, having in the"	Babies
 2 20	Finish this verse, Romans 2:20: "a corrector of the foolish ..."	A teacher of babies, having in the law the form of knowledge and of the truth
 2 20	What follows "a corrector of the foolish" in Romans 2:20?	A teacher of babies, having in the law the form of knowledge and of the truth
 2 20	Are these the words of Romans 2: "a corrector of the foolish"?	Yes
 2 21	Finish this: "You therefore who teach another ..."	Don't you teach yourself? You who preach that a man shouldn't steal, do you steal
 2 21	Name the chapter of Romans that says, "You who preach that a man shouldn't steal"	Chapter 2
 2 21	Did Paul write, "You who preach that a man shouldn't steal"?	Yes
 2 22	Finish this verse, Romans 2:22: "You who say a man shouldn't commit adultery, do you commit adultery? You who abhor idols ..."	Do you rob temples
 2 24	What word completes this: "For the name of God is ___ among the Gentiles because of"?	Blasphemed
 2 24	Finish this: "For the name of God is blasphemed among the Gentiles because of you ..."	Just as it is written
 2 24	Whose name does Romans 2:24 speak of?	The name of God
 2 24	Why, in Romans 2:24, does Paul say, "for the name of God is blasphemed among the Gentiles"?	Because of you, just as it is written
 2 24	Quote Romans 2:24.	For "the name of God is blasphemed among the Gentiles because of you," just as it is written.
 2 25	Finish this: "For circumcision indeed profits, if you are a doer of the law, but if you are a transgressor of the law ..."	Your circumcision has become uncircumcision
 2 25	Did Paul write, "your circumcision has become uncircumcision"?	Yes
 2 25	Name the chapter of Romans that says, "but if you are a transgressor of the law"	Chapter 2
 2 26	In which verse of Romans 2 do we read, "won't his uncircumcision be accounted as circumcision"?	Verse 26
 2 27	Finish this: "Won't those who are physically uncircumcised, but fulfill the law, judge you ..."	Who with the letter and circumcision are a transgressor of the law
 2 27	Is it written in Romans 2:27, "Won't those who are physically uncircumcised"?	Yes
 2 28	Was it Paul who wrote, "For he is not a Jew who is one outwardly"?	Yes
 2 28	In which verse of Romans 2 do we read, "neither is that circumcision which is outward in the flesh"?	Verse 28
 2 28	What follows "For he is not a Jew who is one outwardly" in Romans 2:28?	Neither is that circumcision which is outward in the flesh
 2 28	Fill in the missing word from Romans 2:28: "is not a Jew who is one ___, neither is that"	Outwardly
 2 29	In which verse of Romans 2 do we read, "but he is a Jew who is one inwardly"?	Verse 29
 2 29	Finish this: "but he is a Jew who is one inwardly, and circumcision is that of the heart, in the spirit, not in the letter ..."	Whose praise is not from men, but from God
 2 29	In Romans 2:29, what follows "but he is a Jew who is one inwardly, and circumcision is that of the heart, in the spirit, not in the letter"?	Whose praise is not from men, but from God
 3  1	Did Paul write, "Then what advantage does the Jew have"?	Yes
 3  2	According to Romans 3:2, what follows "Much in every way"?	Because first of all, they were entrusted with the revelations of God
 3  2	Finish this verse, Romans 3:2: "Much in every way! Because first of all ..."	They were entrusted with the revelations of God
 3  3	Whose faithfulness does Romans 3:3 speak of?	The faithfulness of God
 3  3	Finish this: "For what if some were without faith ..."	Will their lack of faith nullify the faithfulness of God
 3  4	In Romans 3:4, what follows "May it never be! Yes, let God be found true, but every man a liar"?	As it is written, that you might be justified in your words, and might prevail when you come into judgment
 3  5	Will you quote Romans 3:5?	But if our unrighteousness commends the righteousness of God, what will we say? Is God unrighteous who inflicts wrath? I speak like men do.
 3  5	Give the reference: "I speak like men do"	Romans 3:5
 3  6	What word is missing in Romans 3:6: "For then how will God ___ the world"?	Judge
 3  6	Finish this: "May it never be ..."	For then how will God judge the world
 3  6	Quote Romans 3:6.	May it never be! For then how will God judge the world?
 3  6	Which verse of Romans 3 says, "For then how will God judge the world"?	Verse 6
 3  6	Did Paul write, "For then how will God judge the world"?	Yes
 3  8	Finish this: "Why not as we are slanderously reported, and as some affirm that we say ..."	Let's do evil, that good may come? Those who say so are justly condemned
 3  8	Was it Paul who wrote, "Those who say so are justly condemned"?	Yes
 3  9	Fill in the missing word from Romans 3:9: "For we previously ___ both Jews and Greeks that"	Warned
 3 10	What follows "As it is written" in Romans 3:10?	There is no one righteous; no, not one
 3 11	Do we read in Romans 3:11, "There is no one who understands"?	Yes
 3 12	Do we read in Romans 3:12, "They have together become unprofitable"?	Yes
 3 12	Where, in Romans, is it written, "They have all turned away"?	Romans 3:12
 3 12	Will you quote Romans 3:12?	They have all turned away. They have together become unprofitable. There is no one who does good, no, not so much as one."
 3 13	What is the poison of vipers?	Under their lips
 3 14	Give the missing word: "Their mouth is full of ___ and bitterness"	Cursing
 3 14	Which chapter of Romans says, "Their mouth is full of cursing and bitterness"?	Chapter 3
 3 15	In which verse of Romans 3 do we read, "Their feet are swift to shed blood"?	Verse 15
 3 15	According to Romans 3:15, what are their feet?	Swift to shed blood
 3 16	True or false: Romans 3:16 says, "Destruction and misery are in their ways"	True
 3 16	Where in Romans 3 do we read, "Destruction and misery are in their ways"?	Verse 16
 3 16	What word completes this: "Destruction and ___ are in their ways"?	Misery
 3 17	What word is missing in Romans 3:17: "The way of ___, they haven't known"?	Peace
 3 17	According to Romans 3:17, what follows "The way of peace"?	They haven't known
 3 17	Finish this verse, Romans 3:17: "The way of peace ..."	They haven't known
 3 17	Recite Romans 3:17.	The way of peace, they haven't known."
 3 17	In Romans 3:17, what follows "The way of peace"?	They haven't known
 3 18	Recite Romans 3:18.	"There is no fear of God before their eyes."
 3 18	Did Paul write, "There is no fear of God before their eyes"?	Yes
 3 18	Which chapter of Romans says, "There is no fear of God before their eyes"?	Chapter 3
 3 19	Name the chapter of Romans that says, "that every mouth may be closed"	Chapter 3
 3 19	Does Romans 3:19 say, "and all the world may be brought under the judgment of God"?	Yes
 3 19	Will you quote Romans 3:19?	Now we know that whatever things the law says, it speaks to those who are under the law, that every mouth may be closed, and all the world may be brought under the judgment of God.
 3 19	In Romans 3:19, what follows "Now we know that whatever things the law says, it speaks to those who are under the law, that every mouth may be closed"?	And all the world may be brought under the judgment of God
 3 19	Finish this: "Now we know that whatever things the law says, it speaks to those who are under the law, that every mouth may be closed ..."	And all the world may be brought under the judgment of God
 3 21	Are these the words of Romans 3: "But now apart from the law"?	Yes
 3 22	What follows "even the righteousness of God through faith in Jesus Christ to all and on all those who believe" in Romans 3:22?	For there is no distinction
 3 23	Finish this: "for all have sinned ..."	And fall short of the glory of God
 3 24	How does Paul finish this: "being justified freely ..."?	By his grace through the redemption that is in Christ
 3 24	Did Paul write, "being justified freely by his grace through the redemption that is in Christ Jesus"?	Yes
 3 24	What word completes this: "being justified ___ by his grace through the"?	Freely
 3 24	In which verse of Romans 3 do we read, "being justified freely by his grace through the redemption that is in Christ Jesus"?	Verse 24
 3 25	Do we read in Romans 3:25, "whom God sent to be an atoning sacrifice through faith in his blood"?	Yes
 3 25	How does Paul finish this: "whom God sent to be an atoning sacrifice ..."?	Through faith in his blood
 3 25	Can you finish this: "whom God sent to be an atoning sacrifice through faith in his blood ..."?	For a demonstration of his righteousness through the passing over of prior sins, in God's forbearance
 3 26	Do we read in Romans 3:26, "to demonstrate his righteousness at this present time"?	Yes
 3 26	Recite Romans 3:26.	to demonstrate his righteousness at this present time, that he might himself be just and the justifier of him who has faith in Jesus.
 3 26	What follows "to demonstrate his righteousness at this present time"?	That he might himself be just and the justifier of him who has faith in Jesus
 3 27	Where then is the boasting?	It is excluded
 3 28	What word is missing in Romans 3:28: "that a man is justified by faith ___ from the works of the"?	Apart
 3 28	Do we read in Romans 3:28, "We maintain therefore that a man is justified by faith apart from the works of the law"?	Yes
 3 28	Recite Romans 3:28.	We maintain therefore that a man is justified by faith apart from the works of the law.
 3 28	How, according to Romans 3:28, does this go on: "We maintain therefore that a man is justified ..."?	By faith apart from the works of the law
 3 29	Can you finish this: "Or is God the God of Jews only? Isn't he the God of Gentiles also ..."?	Yes, of Gentiles also
 3 29	What follows "Or is God the God of Jews only? Isn't he the God of Gentiles also? Yes"?	Of Gentiles also
 3 29	Was it Paul who wrote, "Isn't he the God of Gentiles also"?	Yes
 3 29	Recite Romans 3:29.	Or is God the God of Jews only? Isn't he the God of Gentiles also? Yes, of Gentiles also,
 3 31	Do we then nullify the law through faith?	May it never be! No, we establish the law
 3 31	Did Paul write, "Do we then nullify the law through faith"?	Yes
 3 31	Give the reference: "Do we then nullify the law through faith"	Romans 3:31
 3 31	In Romans 3:31, what follows "Do we then nullify the law through faith? May it never be"?	No, we establish the law
 4  1	Fill in the missing word from Romans 4:1: "our ___, has found according"	Forefather
 4  1	True or false: Romans 4:1 says, "What then will we say that Abraham"	True
 4  1	Finish this verse, Romans 4:1: "What then will we say that Abraham, our forefather ..."	Has found according to the flesh
 4  1	Where in Romans 4 do we read, "has found according to the flesh"?	Verse 1
 4  1	Quote Romans 4:1.	What then will we say that Abraham, our forefather, has found according to the flesh?
 4  1	What follows "What then will we say that Abraham" in Romans 4:1?	Our forefather, has found according to the flesh
 4  2	Can you finish this: "For if Abraham was justified by works ..."?	He has something to boast about, but not toward God
 4  2	Are these the words of Romans 4: "he has something to boast about"?	Yes
 4  2	According to Romans 4:2, who was justified by works?	Abraham
 4  3	Give the missing word: "For what does the ___ say"	Scripture
 4  4	Give the missing word: "Now to him who ___, the reward is"	Works
 4  4	Can you finish this: "Now to him who works ..."?	The reward is not counted as grace, but as something owed
 4  4	Is it written in Romans 4:4, "Now to him who works"?	Yes
 4  4	Give the reference: "the reward is not counted as grace"	Romans 4:4
 4  4	What follows "Now to him who works" in Romans 4:4?	The reward is not counted as grace, but as something owed
 4  4	Will you quote Romans 4:4?	Now to him who works, the reward is not counted as grace, but as something owed.
 4  5	Do we read in Romans 4:5, "but believes in him who justifies the ungodly"?	Yes
 4  5	Quote Romans 4:5.	But to him who doesn't work, but believes in him who justifies the ungodly, his faith is accounted for righteousness.
 4  5	Can you finish this: "But to him who doesn't work, but believes in him who justifies the ungodly ..."?	His faith is accounted for righteousness
 4  6	Does Romans 4:6 say, "Even as David also pronounces blessing on the man to whom God counts righteousness apart from works"?	Yes
 4  6	Who, according to Romans 4:6, also pronounces blessing on the man to whom God counts righteousness apart from works?	David
 4  7	Can you finish this: "Blessed are they whose iniquities are forgiven ..."?	Whose sins are covered
 4  7	Which chapter of Romans says, "Blessed are they whose iniquities are forgiven"?	Chapter 4
 4  7	According to Romans 4:7, what follows "Blessed are they whose iniquities are forgiven"?	Whose sins are covered
 4  7	Quote Romans 4:7.	"Blessed are they whose iniquities are forgiven, whose sins are covered.
 4  8	Who will by no means charge with sin?	The Lord
 4  8	Fill in the missing word from Romans 4:8: "man whom the Lord will by no ___ charge with sin"	Means
 4  8	Name the chapter of Romans that says, "Blessed is the man whom the Lord will by no means charge with sin"	Chapter 4
 4  8	How does Paul finish this: "Blessed is the man whom the Lord will ..."?	By no means charge with sin
 4  8	Are these the words of Romans 4: "Blessed is the man whom the Lord will by no means charge with sin"?	Yes
 4  8	Will you quote Romans 4:8?	Blessed is the man whom the Lord will by no means charge with sin."
 4  9	Can you finish this: "Is this blessing then pronounced only on the circumcised ..."?	Or on the uncircumcised also? For we say that faith was accounted to Abraham for righteousness
 4  9	Do we read in Romans 4:9, "or on the uncircumcised also"?	Yes
 4  9	Where in Romans 4 do we read, "For we say that faith was accounted to Abraham for righteousness"?	Verse 9
 4  9	What follows "Is this blessing then pronounced only on the circumcised" in Romans 4:9?	Or on the uncircumcised also? For we say that faith was accounted to Abraham for righteousness
 4  9	Quote Romans 4:9.	Is this blessing then pronounced only on the circumcised, or on the uncircumcised also? For we say that faith was accounted to Abraham for righteousness.
 4  9	Fill in the missing word from Romans 4:9: "we say that faith was accounted to ___ for righteousness"	Abraham
 4 10	Fill in the missing word from Romans 4:10: "When he was in ___, or in uncircumcision"	Circumcision
 4 10	Can you finish this: "How then was it counted? When he was in circumcision, or in uncircumcision? Not in circumcision ..."?	But in uncircumcision
 4 10	Give the reference: "How then was it counted"	Romans 4:10
 4 11	Did Paul write, "though they might be in uncircumcision"?	Yes
 4 12	Did Paul write, "but who also walk in the steps of that faith of our father Abraham"?	Yes
 4 12	Can you finish this: "He is the father of circumcision to those who not only are of the circumcision ..."?	But who also walk in the steps of that faith of our father Abraham, which he had in uncircumcision
 4 12	What follows "He is the father of circumcision to those who not only are of the circumcision, but who also walk in the steps of that faith of our father Abraham"?	Which he had in uncircumcision
 4 13	What follows "For the promise to Abraham and to his offspring that he would be heir of the world wasn't through the law" in Romans 4:13?	But through the righteousness of faith
 4 13	In which verse of Romans 4 do we read, "For the promise to Abraham and to his offspring that he would be heir of the world wasn't through the law"?	Verse 13
 4 14	Can you finish this: "For if those who are of the law are heirs, faith is made void ..."?	And the promise is made of no effect
 4 14	Which chapter of Romans says, "and the promise is made of no effect"?	Chapter 4
 4 14	What follows "For if those who are of the law are heirs, faith is made void" in Romans 4:14?	And the promise is made of no effect
 4 14	Are these the words of Romans 4: "For if those who are of the law are heirs"?	Yes
 4 14	What word completes this: "and the ___ is made of no effect"?	Promise
 4 15	True or false: Romans 4:15 says, "For the law produces wrath"	True
 4 15	According to Romans 4:15, what follows "For the law produces wrath; for where there is no law"?	Neither is there disobedience
 4 16	Are these the words of Romans 4: "who is the father of us all"?	Yes
 4 17	What word completes this: "As it is ___, I have made"?	Written
 4 17	What follows "As it is written"?	I have made you a father of many nations. This is in the presence of him whom he believed: God, who gives life to the dead, and calls the things that are not, as though they were
 4 18	Will you quote Romans 4:18?	Against hope, Abraham in hope believed, to the end that he might become a father of many nations, according to that which had been spoken, "So will your offspring be."
 4 18	Fill in the missing word from Romans 4:18: "to the end that he might ___ a father of many nations"	Become
 4 18	Finish this verse, Romans 4:18: "Against hope, Abraham in hope believed, to the end that he might become a father of many nations ..."	According to that which had been spoken, So will your offspring be
 4 18	Does Romans 4:18 say, "So will your offspring be"?	Yes
 4 19	What follows "Without being weakened in faith"?	He didn't consider his own body, already having been worn out, he being about a hundred years old, and the deadness of Sarah's womb
 4 19	Finish this verse, Romans 4:19: "Without being weakened in faith, he didn't consider his own body, already having been worn out ..."	He being about a hundred years old, and the deadness of Sarah's womb
 4 21	Recite Romans 4:21.	and being fully assured that what he had promised, he was also able to perform.
 4 22	Will you quote Romans 4:22?	Therefore it also was "credited to him for righteousness."
 4 22	Do we read in Romans 4:22, "Therefore it also was credited to him for righteousness"?	Yes
 4 22	Where in Romans 4 do we read, "Therefore it also was credited to him for righteousness"?	Verse 22
 4 23	Was it Paul who wrote, "Now it was not written that it was accounted to him for his sake alone"?	Yes
 4 23	Fill in the missing word from Romans 4:23: "it was not written that it was ___ to him for his sake"	Accounted
 4 23	Which chapter of Romans says, "Now it was not written that it was accounted to him for his sake alone"?	Chapter 4
 4 24	Finish this verse, Romans 4:24: "but for our sake also ..."	To whom it will be accounted, who believe in him who raised Jesus our Lord from the dead
 4 25	What follows "who was delivered up for our trespasses"?	And was raised for our justification
 4 25	True or false: Romans 4:25 says, "and was raised for our justification"	True
 5  2	Whose glory does Romans 5:2 speak of?	The glory of God
 5  2	What follows "through whom we also have our access by faith into this grace in which we stand"?	We rejoice in hope of the glory of God
 5  2	Finish this verse, Romans 5:2: "through whom we also have our access by faith into this grace in which we stand ..."	We rejoice in hope of the glory of God
 5  2	True or false: Romans 5:2 says, "We rejoice in hope of the glory of God"	True
 5  2	What word completes this: "through whom we also have our ___ by faith into this grace"?	Access
 5  2	How does Paul finish this: "through whom we also have our access ..."?	By faith into this grace in which we stand
 5  3	Do we read in Romans 5:3, "but we also rejoice in our sufferings"?	Yes
 5  3	Give the missing word: "knowing that ___ produces perseverance"	Suffering
 5  3	Will you quote Romans 5:3?	Not only this, but we also rejoice in our sufferings, knowing that suffering produces perseverance;
 5  4	What word is missing in Romans 5:4: "proven ___; and proven character"?	Character
 5  4	Finish this: "and perseverance, proven character ..."	And proven character, hope
 5  4	What follows "and perseverance, proven character" in Romans 5:4?	And proven character, hope
 5  4	Quote Romans 5:4.	and perseverance, proven character; and proven character, hope;
 5  4	What follows "and perseverance, proven character"?	And proven character, hope
 5  5	Give the reference: "and hope doesn't disappoint us"	Romans 5:5
 5  5	Does Romans 5:5 say, "and hope doesn't disappoint us"?	Yes
 5  5	How does Paul finish this: "because God's love has been poured into our hearts ..."?	Through the Holy Spirit who was given to us
 5  5	Fill in the missing word from Romans 5:5: "and hope doesn't ___ us"	Disappoint
 5  5	Finish this: "and hope doesn't disappoint us ..."	Because God's love has been poured into our hearts through the Holy Spirit who was given to us
 5  6	When did Christ die for the ungodly?	At the right time
 5  6	Can you finish this: "For while we were yet weak ..."?	At the right time Christ died for the ungodly
 5  6	Who died for the ungodly?	Christ
 5  7	Which verse of Romans 5 says, "Yet perhaps for a good person someone would even dare to die"?	Verse 7
 5  7	Fill in the missing word from Romans 5:7: "Yet perhaps for a good person ___ would even dare to die"	Someone
 5  7	Finish this: "For one will hardly die for a righteous man ..."	Yet perhaps for a good person someone would even dare to die
 5  8	What word completes this: "But God ___ his own love toward us"?	Commends
 5  8	Which chapter of Romans says, "in that while we were yet sinners"?	Chapter 5
 5  8	Finish this verse, Romans 5:8: "But God commends his own love toward us ..."	In that while we were yet sinners, Christ died for us
 5  9	True or false: Romans 5:9 says, "being now justified by his blood"	True
 5  9	In Romans 5:9, what follows "Much more then, being now justified by his blood"?	We will be saved from God's wrath through him
 5 10	Will you quote Romans 5:10?	For if while we were enemies, we were reconciled to God through the death of his Son, much more, being reconciled, we will be saved by his life.
 5 10	What follows "For if while we were enemies, we were reconciled to God through the death of his Son" in Romans 5:10?	Much more, being reconciled, we will be saved by his life
 5 11	True or false: Romans 5:11 says, "through whom we have now received the reconciliation"	True
 5 12	True or false: Romans 5:12 says, "so death passed to all men because all sinned"	True
 5 12	How, according to Romans 5:12, does this go on: "Therefore, as sin entered into the world ..."?	Through one man
 5 12	Recite Romans 5:12.	Therefore, as sin entered into the world through one man, and death through sin, so death passed to all men because all sinned.
 5 13	Finish this: "For until the law ..."	Sin was in the world; but sin is not charged when there is no law
 5 13	When, according to Romans 5:13, "but sin is not charged"?	When there is no law
 5 13	What word is missing in Romans 5:13: "but sin is not ___ when there is no law"?	Charged
 5 14	Which chapter of Romans says, "who is a foreshadowing of him who was to come"?	Chapter 5
 5 14	Quote Romans 5:14.	Nevertheless death reigned from Adam until Moses, even over those whose sins weren't like Adam's disobedience, who is a foreshadowing of him who was to come.
 5 15	Whose grace does Romans 5:15 speak of?	The grace of God
 5 15	Will you quote Romans 5:15?	But the free gift isn't like the trespass. For if by the trespass of the one the many died, much more did the grace of God and the gift by the grace of the one man, Jesus Christ, abound to the many.
 5 15	According to Romans 5:15, what follows "But the free gift isn't like the trespass. For if by the trespass of the one the many died"?	Much more did the grace of God and the gift by the grace of the one man, Jesus Christ, abound to the many
 5 15	How, according to Romans 5:15, does this go on: "much more did the grace of God and the gift ..."?	By the grace of the one man
 5 15	Does Romans 5:15 say, "For if by the trespass of the one the many died"?	Yes
 5 16	Are these the words of Romans 5: "but the free gift followed many trespasses to justification"?	Yes
 5 17	What follows "For if by the trespass of the one" in Romans 5:17?	Death reigned through the one; so much more will those who receive the abundance of grace and of the gift of righteousness reign in life through the one, Jesus Christ
 5 17	Recite Romans 5:17.	For if by the trespass of the one, death reigned through the one; so much more will those who receive the abundance of grace and of the gift of righteousness reign in life through the one, Jesus Christ.
 5 17	In which verse of Romans 5 do we read, "For if by the trespass of the one"?	Verse 17
 5 18	What word is missing in Romans 5:18: "even so through one act of ___, all men were"?	Righteousness
 5 18	How, according to Romans 5:18, does this go on: "So then as ..."?	Through one trespass
 5 19	Finish this: "For as through the one man's disobedience many were made sinners, even so through the obedience of the one ..."	Many will be made righteous
 5 19	What word completes this: "even so through the ___ of the one"?	Obedience
 5 19	What follows "For as through the one man's disobedience many were made sinners, even so through the obedience of the one"?	Many will be made righteous
 5 19	Give the reference: "For as through the one man's disobedience many were made sinners"	Romans 5:19
 5 19	Do we read in Romans 5:19, "For as through the one man's disobedience many were made sinners"?	Yes
 5 19	Recite Romans 5:19.	For as through the one man's disobedience many were made sinners, even so through the obedience of the one, many will be made righteous.
 5 20	Where sin abounded, what abounded more exceedingly?	Grace
 5 20	Is it written in Romans 5:20, "The law came in that the trespass might abound"?	Yes
 5 20	According to Romans 5:20, what follows "The law came in that the trespass might abound"?	But where sin abounded, grace abounded more exceedingly
 5 21	According to Romans 5:21, what follows "that as sin reigned in death"?	Even so grace might reign through righteousness to eternal life through Jesus Christ our Lord
 5 21	Can you finish this: "that as sin reigned in death ..."?	Even so grace might reign through righteousness to eternal life through Jesus Christ our Lord
 5 21	True or false: Romans 5:21 says, "even so grace might reign through righteousness to eternal life through Jesus Christ our Lord"	True
 5 21	How does Paul finish this: "even so grace might reign ..."?	Through righteousness to eternal life through Jesus Christ our Lord
 6  1	Finish this: "What shall we say then? Shall we continue in sin ..."	That grace may abound
 6  1	Was it Paul who wrote, "What shall we say then"?	Yes
 6  1	According to Romans 6:1, what follows "What shall we say then"?	Shall we continue in sin, that grace may abound
 6  1	Recite Romans 6:1.	What shall we say then? Shall we continue in sin, that grace may abound?
 6  1	In which verse of Romans 6 do we read, "What shall we say then"?	Verse 1
 6  2	How shall we who died to sin live any longer in it?	May it never be
 6  3	Are these the words of Romans 6: "Or don't you know that all of us who were baptized into Christ Jesus were baptized into his death"?	Yes
 6  3	In which verse of Romans 6 do we read, "Or don't you know that all of us who were baptized into Christ Jesus were baptized into his death"?	Verse 3
 6  4	Can you finish this: "We were buried therefore with him through baptism into death ..."?	That just as Christ was raised from the dead through the glory of the Father, so we also might walk in newness of life
 6  4	Give the reference: "so we also might walk in newness of life"	Romans 6:4
 6  4	Is it written in Romans 6:4, "so we also might walk in newness of life"?	Yes
 6  4	According to Romans 6:4, what follows "We were buried therefore with him through baptism into death"?	That just as Christ was raised from the dead through the glory of the Father, so we also might walk in newness of life
 6  5	Can you finish this: "For if we have become united with him in the likeness of his death ..."?	We will also be part of his resurrection
 6  5	According to Romans 6:5, what follows "For if we have become united with him in the likeness of his death"?	We will also be part of his resurrection
 6  5	Give the reference: "For if we have become united with him in the likeness of his death"	Romans 6:5
 6  5	Is it written in Romans 6:5, "For if we have become united with him in the likeness of his death"?	Yes
 6  5	Give the missing word: "For if we have become ___ with him in the likeness"	United
 6  6	Finish this: "knowing this, that our old man was crucified with him ..."	That the body of sin might be done away with, so that we would no longer be in bondage to sin
 6  6	Where, in Romans, is it written, "that the body of sin might be done away with"?	Romans 6:6
 6  6	What follows "knowing this, that our old man was crucified with him, that the body of sin might be done away with"?	So that we would no longer be in bondage to sin
 6  6	True or false: Romans 6:6 says, "so that we would no longer be in bondage to sin"	True
 6  6	Fill in the missing word from Romans 6:6: "so that we would no ___ be in bondage to sin"	Longer
 6  6	Will you quote Romans 6:6?	knowing this, that our old man was crucified with him, that the body of sin might be done away with, so that we would no longer be in bondage to sin.
 6  7	What word completes this: "For he who has died has been ___ from sin"?	Freed
 6  7	Does Romans 6:7 say, "For he who has died has been freed from sin"?	Yes
 6  7	Recite Romans 6:7.	For he who has died has been freed from sin.
 6  7	Where, in Romans, is it written, "For he who has died has been freed from sin"?	Romans 6:7
 6  7	In which verse of Romans 6 do we read, "For he who has died has been freed from sin"?	Verse 7
 6  8	True or false: Romans 6:8 says, "we believe that we will also live with him"	True
 6  8	What word completes this: "we ___ that we will also live"?	Believe
 6  8	Can you finish this: "But if we died with Christ ..."?	We believe that we will also live with him
 6  9	Are these the words of Romans 6: "Death no longer has dominion over him"?	Yes
 6  9	Finish this verse, Romans 6:9: "knowing that Christ, being raised from the dead, dies no more ..."	Death no longer has dominion over him
 6 10	What word is missing in Romans 6:10: "he ___ to God"?	Lives
 6 10	What follows "For the death that he died" in Romans 6:10?	He died to sin one time; but the life that he lives, he lives to God
 6 10	Where, in Romans, is it written, "For the death that he died"?	Romans 6:10
 6 11	In which verse of Romans 6 do we read, "but alive to God in Christ Jesus our Lord"?	Verse 11
 6 11	Finish this verse, Romans 6:11: "Thus consider yourselves also to be dead to sin ..."	But alive to God in Christ Jesus our Lord
 6 12	Finish this verse, Romans 6:12: "Therefore don't let sin reign in your mortal body ..."	That you should obey it in its lusts
 6 12	Quote Romans 6:12.	Therefore don't let sin reign in your mortal body, that you should obey it in its lusts.
 6 12	Does Romans 6:12 say, "Therefore don't let sin reign in your mortal body"?	Yes
 6 14	Was it Paul who wrote, "For sin will not have dominion over you"?	Yes
 6 14	What word is missing in Romans 6:14: "For sin will not have ___ over you"?	Dominion
 6 14	Quote Romans 6:14.	For sin will not have dominion over you, for you are not under law, but under grace.
 6 15	According to Romans 6:15, why shall we sin?	Because we are not under law but under grace? May it never be
 6 15	What follows "What then? Shall we sin because we are not under law but under grace"?	May it never be
 6 15	Are these the words of Romans 6: "Shall we sin because we are not under law but under grace"?	Yes
 6 15	Which verse of Romans 6 says, "Shall we sin because we are not under law but under grace"?	Verse 15
 6 15	Finish this verse, Romans 6:15: "What then? Shall we sin because we are not under law but under grace ..."	May it never be
 6 15	Give the missing word: "Shall we sin because we are not ___ law but under grace"	Under
 6 16	When does Romans 6:16 say, "Don't you know that"?	When you present yourselves as servants and obey someone
 6 16	Does Romans 6:16 say, "Don't you know that when you present yourselves as servants and obey someone"?	Yes
 6 16	Finish this verse, Romans 6:16: "Don't you know that when you present yourselves as servants and obey someone, you are the servants of whomever you obey, whether of sin to death ..."	Or of obedience to righteousness
 6 16	In Romans 6:16, what follows "Don't you know that when you present yourselves as servants and obey someone, you are the servants of whomever you obey"?	Whether of sin to death, or of obedience to righteousness
 6 17	Finish this: "But thanks be to God that ..."	Whereas you were bondservants of sin, you became obedient from the heart to that form of teaching to which you were delivered
 6 18	What follows "Being made free from sin" in Romans 6:18?	You became bondservants of righteousness
 6 19	Give the missing word: "for as you presented your members as ___ to uncleanness and to wickedness"	Servants
 6 19	Why does Paul say, "I speak in human terms"?	Because of the weakness of your flesh; for as you presented your members as servants to uncleanness and
 6 19	Did Paul write, "even so now present your members as servants to righteousness for sanctification"?	Yes
 6 19	Name the chapter of Romans that says, "for as you presented your members as servants to uncleanness and to wickedness upon wickedness"	Chapter 6
 6 20	What word is missing in Romans 6:20: "For when you were ___ of sin"?	Servants
 6 20	Was it Paul who wrote, "you were free from righteousness"?	Yes
 6 21	Where in Romans 6 do we read, "For the end of those things is death"?	Verse 21
 6 21	Can you finish this: "What fruit then did you have at that time in the things of which you are now ashamed ..."?	For the end of those things is death
 6 21	What, according to Romans 6:21, is the end of those things?	Death
 6 21	Do we read in Romans 6:21, "For the end of those things is death"?	Yes
 6 22	True or false: Romans 6:22 says, "being made free from sin and having become servants of God"	True
 6 22	Can you finish this: "But now, being made free from sin and having become servants of God ..."?	You have your fruit of sanctification and the result of eternal life
 6 23	In which verse of Romans 6 do we read, "For the wages of sin is death"?	Verse 23
 6 23	What word completes this: "but the free gift of God is ___ life in Christ Jesus our"?	Eternal
 6 23	What is the wages of sin?	Death
 6 23	In Romans 6:23, what follows "For the wages of sin is death"?	But the free gift of God is eternal life in Christ Jesus our Lord
 6 23	Does Romans 6:23 say, "For the wages of sin is death"?	Yes
 6 23	is the free gift of God eternal life in Christ Jesus our Lord?	Yes
 7  1	Are these the words of Romans 7: "that the law has dominion over a man for as long as he lives"?	Yes
 7  1	Fill in the missing word from Romans 7:1: "Or don't you know, ___ for I speak to men"	Brothers
 7  1	What follows "Or don't you know"?	Brothers for I speak to men who know the law, that the law has dominion over a man for as long as he lives
 7  1	Finish this: "Or don't you know, brothers for I speak to men who know the law ..."	That the law has dominion over a man for as long as he lives
 7  2	What, according to Romans 7:2, is the woman that has a husband?	Bound by law to the husband while he lives
 7  2	How, according to Romans 7:2, does this go on: "For the woman that has a husband is bound ..."?	By law to the husband while he lives
 7  2	Did Paul write, "For the woman that has a husband is bound by law to the husband while he lives"?	Yes
 7  2	Name the chapter of Romans that says, "but if the husband dies"	Chapter 7
 7  2	Finish this: "For the woman that has a husband is bound by law to the husband while he lives, but if the husband dies ..."	She is discharged from the law of the husband
 7  2	What word is missing in Romans 7:2: "For the woman that has a ___ is bound by law to"?	Husband
 7  3	Give the missing word: "But if the ___ dies"	Husband
 7  3	In which verse of Romans 7 do we read, "she is free from the law"?	Verse 3
 7  4	What word is missing in Romans 7:4: "my ___, you also were"?	Brothers
 7  4	How does Paul finish this: "you also were made dead to the law ..."?	Through the body of Christ
 7  4	According to Romans 7:4, what follows "Therefore, my brothers, you also were made dead to the law through the body of Christ, that you would be joined to another, to him who was raised from the dead"?	That we might produce fruit to God
 7  4	Can you finish this: "Therefore, my brothers, you also were made dead to the law through the body of Christ ..."?	That you would be joined to another, to him who was raised from the dead, that we might produce fruit to God
 7  5	How does Paul finish this: "the sinful passions which were ..."?	Through the law worked in our members to bring out
 7  5	Fill in the missing word from Romans 7:5: "were through the law worked in our ___ to bring out fruit to"	Members
 7  5	According to Romans 7:5, what follows "For when we were in the flesh"?	The sinful passions which were through the law worked in our members to bring out fruit to death
 7  5	When we were in the flesh, what worked in our members?	The sinful passions which were through the law
 7  5	True or false: Romans 7:5 says, "For when we were in the flesh"	True
 7  6	Can you finish this: "But now we have been discharged from the law, having died to that in which we were held; so that we serve in newness of the spirit ..."?	And not in oldness of the letter
 7  6	Will you quote Romans 7:6?	But now we have been discharged from the law, having died to that in which we were held; so that we serve in newness of the spirit, and not in oldness of the letter.
 7  6	Give the missing word: "have been discharged from the law, ___ died to that in which"	Having
 7  7	Finish this verse, Romans 7:7: "What shall we say then? Is the law sin? May it never be! However, I wouldn't have known sin except through the law ..."	For I wouldn't have known coveting unless the law had said, You shall not covet
 7  7	Was it Paul who wrote, "What shall we say then"?	Yes
 7  7	What word is missing in Romans 7:7: "For I wouldn't have ___ coveting unless the law had"?	Known
 7  8	Which chapter of Romans says, "produced in me all kinds of coveting"?	Chapter 7
 7  8	What word is missing in Romans 7:8: "finding ___ through the commandment"?	Occasion
 7  8	Finish this: "But sin, finding occasion through the commandment ..."	Produced in me all kinds of coveting. For apart from the law, sin is dead
 7  8	Are these the words of Romans 7: "produced in me all kinds of coveting"?	Yes
 7  9	Which chapter of Romans says, "I was alive apart from the law once"?	Chapter 7
 7  9	What follows "I was alive apart from the law once, but when the commandment came" in Romans 7:9?	Sin revived and I died
 7  9	When does Romans 7:9 say, "I was alive apart from the law once, but"?	When the commandment came
 7 10	Finish this verse, Romans 7:10: "The commandment which was for life ..."	This I found to be for death
 7 10	What word completes this: "this I ___ to be for death"?	Found
 7 10	Was it Paul who wrote, "this I found to be for death"?	Yes
 7 10	According to Romans 7:10, what follows "The commandment which was for life"?	This I found to be for death
 7 10	Which chapter of Romans says, "this I found to be for death"?	Chapter 7
 7 10	Quote Romans 7:10.	The commandment which was for life, this I found to be for death;
 7 11	Give the reference: "and through it killed me"	Romans 7:11
 7 11	What follows "for sin, finding occasion through the commandment"?	Deceived me, and through it killed me
 7 11	Finish this verse, Romans 7:11: "for sin, finding occasion through the commandment ..."	Deceived me, and through it killed me
 7 12	Did Paul write, "Therefore the law indeed is holy"?	Yes
 7 12	What follows "Therefore the law indeed is holy" in Romans 7:12?	And the commandment holy, righteous, and good
 7 13	Finish this: "Did then that which is good become death to me? May it never be! But sin, that it might be shown to be sin ..."	Was producing death in me through that which is good; that through the commandment sin might become exceedingly sinful
 7 13	How, according to Romans 7:13, does this go on: "was producing death in me ..."?	Through that which is good
 7 14	Quote Romans 7:14.	For we know that the law is spiritual, but I am fleshly, sold under sin.
 7 14	What follows "For we know that the law is spiritual"?	But I am fleshly, sold under sin
 7 14	What word completes this: "but I am ___, sold under sin"?	Fleshly
 7 15	Is it written in Romans 7:15, "For I don't understand what I am doing"?	Yes
 7 15	What I hate, what does Paul say he does?	That I do
 7 16	Fill in the missing word from Romans 7:16: "I ___ to the law that it"	Consent
 7 16	Finish this: "But if what I don't desire, that I do ..."	I consent to the law that it is good
 7 16	In Romans 7:16, what follows "But if what I don't desire, that I do"?	I consent to the law that it is good
 7 16	In which verse of Romans 7 do we read, "I consent to the law that it is good"?	Verse 16
 7 17	Did Paul write, "but sin which dwells in me"?	Yes
 7 17	Can you finish this: "So now it is no more I that do it ..."?	But sin which dwells in me
 7 17	Recite Romans 7:17.	So now it is no more I that do it, but sin which dwells in me.
 7 18	In which verse of Romans 7 do we read, "For I know that in me"?	Verse 18
 7 18	According to Romans 7:18, what follows "For I know that in me, that is, in my flesh, dwells no good thing"?	For desire is present with me, but I don't find it doing that which is good
 7 18	Can you finish this: "For I know that in me, that is, in my flesh, dwells no good thing ..."?	For desire is present with me, but I don't find it doing that which is good
 7 18	Do we read in Romans 7:18, "For desire is present with me"?	Yes
 7 18	What word is missing in Romans 7:18: "For ___ is present with me"?	Desire
 7 18	Recite Romans 7:18.	For I know that in me, that is, in my flesh, dwells no good thing. For desire is present with me, but I don't find it doing that which is good.
 7 19	Was it Paul who wrote, "but the evil which I don't desire"?	Yes
 7 19	Finish this: "For the good which I desire, I don't do; but the evil which I don't desire ..."	That I practice
 7 21	Does Romans 7:21 say, "I find then the law that"?	Yes
 7 21	Finish this: "I find then the law that ..."	While I desire to do good, evil is present
 7 22	Quote Romans 7:22.	For I delight in God's law after the inward person,
 7 22	What word completes this: "For I delight in ___ law after the inward person"?	God's
 7 24	What follows "What a wretched man I am" in Romans 7:24?	Who will deliver me out of the body of this death
 7 24	In which verse of Romans 7 do we read, "Who will deliver me out of the body of this death"?	Verse 24
 7 24	True or false: Romans 7:24 says, "Who will deliver me out of the body of this death"	True
 7 25	How, according to Romans 7:25, does this go on: "I thank God ..."?	Through Jesus Christ
 7 25	Recite Romans 7:25.	I thank God through Jesus Christ, our Lord! So then with the mind, I myself serve God's law, but with the flesh, sin's law.
 7 25	Give the missing word: "I myself serve ___ law"	God's
 8  1	In which verse of Romans 8 do we read, "but according to the Spirit"?	Verse 1
 8  1	Finish this: "There is therefore now no condemnation to those who are in Christ Jesus ..."	Who don't walk according to the flesh, but according to the Spirit
 8  2	Which chapter of Romans says, "For the law of the Spirit of life in Christ Jesus made me free from the law of sin and of death"?	Chapter 8
 8  3	Do we read in Romans 8:3, "he condemned sin in the flesh"?	Yes
 8  3	What follows "For what the law couldn't do"?	In that it was weak through the flesh, God did, sending his own Son in the likeness of sinful flesh and for sin, he condemned sin in the flesh
 8  3	Which verse of Romans 8 says, "he condemned sin in the flesh"?	Verse 3
 8  3	Fill in the missing word from Romans 8:3: "his own Son in the likeness of ___ flesh and for sin"	Sinful
 8  4	Are these the words of Romans 8: "that the ordinance of the law might be fulfilled in us who don't walk according to the flesh"?	Yes
 8  4	Where, in Romans, is it written, "but according to the Spirit"?	Romans 8:4
 8  4	What word is missing in Romans 8:4: "the ordinance of the law might be ___ in us who don't walk"?	Fulfilled
 8  4	What follows "that the ordinance of the law might be fulfilled in us who don't walk according to the flesh" in Romans 8:4?	But according to the Spirit
 8  4	Finish this: "that the ordinance of the law might be fulfilled in us who don't walk according to the flesh ..."	But according to the Spirit
 8  5	Give the missing word: "live according to the flesh set their ___ on the things of the"	Minds
 8  5	What follows "For those who live according to the flesh set their minds on the things of the flesh" in Romans 8:5?	But those who live according to the Spirit, the things of the Spirit
 8  6	According to Romans 8:6, who is life and peace?	The Spirit
 8  6	Can you finish this: "For the mind of the flesh is death ..."?	But the mind of the Spirit is life and peace
 8  7	Where in Romans 8 do we read, "neither indeed can it be"?	Verse 7
 8  7	Why does Paul say, "because the mind of the flesh is hostile toward God"?	For it is not subject to God's law, neither indeed can it be
 8  7	Did Paul write, "for it is not subject to God's law"?	Yes
 8  7	Give the missing word: "neither ___ can it be"	Indeed
 8  7	Can you finish this: "because the mind of the flesh is hostile toward God ..."?	For it is not subject to God's law, neither indeed can it be
 8  7	Recite Romans 8:7.	because the mind of the flesh is hostile toward God, for it is not subject to God's law, neither indeed can it be.
 8  8	Which verse of Romans 8 says, "Those who are in the flesh can't please God"?	Verse 8
 8  9	What word is missing in Romans 8:9: "is so that the Spirit of God ___ in you"?	Dwells
 8 10	Why does Paul say, "if Christ is in you, the body is dead"?	Because of sin, but the spirit is alive because of righteousness
 8 10	Will you quote Romans 8:10?	If Christ is in you, the body is dead because of sin, but the spirit is alive because of righteousness.
 8 10	Was it Paul who wrote, "the body is dead because of sin"?	Yes
 8 11	How, according to Romans 8:11, does this go on: "the dead will also give life to your mortal bodies ..."?	Through his Spirit who dwells in you
 8 11	Finish this verse, Romans 8:11: "But if the Spirit of him who raised up Jesus from the dead dwells in you ..."	He who raised up Christ Jesus from the dead will also give life to your mortal bodies through his Spirit who dwells in you
 8 12	Are these the words of Romans 8: "to live after the flesh"?	Yes
 8 12	Recite Romans 8:12.	So then, brothers, we are debtors, not to the flesh, to live after the flesh.
 8 13	Did Paul write, "but if by the Spirit you put to death the deeds of the body"?	Yes
 8 13	Finish this verse, Romans 8:13: "For if you live after the flesh, you must die; but if by the Spirit you put to death the deeds of the body ..."	You will live
 8 13	How does Paul finish this: "you must die; but if ..."?	By the Spirit you put to death the deeds of
 8 14	How does Paul finish this: "For as many as are led ..."?	By the Spirit of God
 8 14	Whose, according to Romans 8:14, is the Spirit?	God's
 8 14	Can you finish this: "For as many as are led by the Spirit of God ..."?	These are children of God
 8 16	Quote Romans 8:16.	The Spirit himself testifies with our spirit that we are children of God;
 8 16	True or false: Romans 8:16 says, "The Spirit himself testifies with our spirit that we are children of God"	True
 8 17	In which verse of Romans 8 do we read, "then heirs--heirs of God and joint heirs with Christ"?	Verse 17
 8 17	Did Paul write, "then heirs--heirs of God and joint heirs with Christ"?	Yes
 8 17	Finish this verse, Romans 8:17: "and if children, then heirs--heirs of God and joint heirs with Christ, if indeed we suffer with him ..."	That we may also be glorified with him
 8 17	According to Romans 8:17, what follows "and if children"?	Then heirs--heirs of God and joint heirs with Christ, if indeed we suffer with him, that we may also be glorified with him
 8 18	Is it written in Romans 8:18, "For I consider that the sufferings of this present time are not worthy to be compared with the glory which will be revealed toward us"?	Yes
 8 18	Quote Romans 8:18.	For I consider that the sufferings of this present time are not worthy to be compared with the glory which will be revealed toward us.
 8 18	What word is missing in Romans 8:18: "For I consider that the ___ of this present time are"?	Sufferings
 8 18	Give the reference: "For I consider that the sufferings of this present time are not worthy to be compared with the glory which will be revealed toward us"	Romans 8:18
 8 19	Will you quote Romans 8:19?	For the creation waits with eager expectation for the children of God to be revealed.
 8 19	Whose children does Romans 8:19 speak of?	The children of God
 8 19	Where, in Romans, is it written, "For the creation waits with eager expectation for the children of God to be revealed"?	Romans 8:19
 8 21	Do we read in Romans 8:21, "that the creation itself also will be delivered from the bondage of decay into the liberty of the glory of the children of God"?	Yes
 8 21	Whose children does Romans 8:21 speak of?	The children of God
 8 22	Which verse of Romans 8 says, "For we know that the whole creation groans and travails in pain together until now"?	Verse 22
 8 22	Give the missing word: "For we know that the whole ___ groans and travails in pain"	Creation
 8 22	Did Paul write, "For we know that the whole creation groans and travails in pain together until now"?	Yes
 8 23	Finish this verse, Romans 8:23: "Not only so ..."	But ourselves also, who have the first fruits of the Spirit, even we ourselves groan within ourselves, waiting for adoption, the redemption of our body
 8 23	What word is missing in Romans 8:23: "even we ourselves groan within ourselves, ___ for adoption"?	Waiting
 8 23	What follows "Not only so, but ourselves also, who have the first fruits of the Spirit, even we ourselves groan within ourselves"?	Waiting for adoption, the redemption of our body
 8 24	Where in Romans 8 do we read, "but hope that is seen is not hope"?	Verse 24
 8 24	Was it Paul who wrote, "For we were saved in hope"?	Yes
 8 24	Fill in the missing word from Romans 8:24: "For we were ___ in hope"	Saved
 8 25	Does Romans 8:25 say, "we wait for it with patience"?	Yes
 8 25	Where in Romans 8 do we read, "we wait for it with patience"?	Verse 25
 8 25	Finish this: "But if we hope for that which we don't see ..."	We wait for it with patience
 8 26	Finish this: "In the same way ..."	The Spirit also helps our weaknesses, for we don't know how to pray as we ought. But the Spirit himself makes intercession for us with groanings which can't be uttered
 8 26	According to Romans 8:26, what follows "In the same way, the Spirit also helps our weaknesses, for we don't know how to pray as we ought"?	But the Spirit himself makes intercession for us with groanings which can't be uttered
 8 26	Why, in Romans 8:26, does Paul say, "in the same way, the Spirit also helps our weaknesses"?	For we don't know how to pray as we ought. But the Spirit himself makes intercession for us
 8 27	What word completes this: "He who ___ the hearts knows what is"?	Searches
 8 28	What follows "We know that all things work together for good for those who love God"?	For those who are called according to his purpose
 8 28	Are these the words of Romans 8: "We know that all things work together for good for those who love God"?	Yes
 8 28	Finish this: "We know that all things work together for good for those who love God ..."	For those who are called according to his purpose
 8 29	Can you finish this: "For whom he foreknew ..."?	He also predestined to be conformed to the image of his Son, that he might be the firstborn among many brothers
 8 29	Quote Romans 8:29.	For whom he foreknew, he also predestined to be conformed to the image of his Son, that he might be the firstborn among many brothers.
 8 29	In Romans 8:29, what follows "For whom he foreknew, he also predestined to be conformed to the image of his Son"?	That he might be the firstborn among many brothers
 8 29	Fill in the missing word from Romans 8:29: "also predestined to be conformed to the ___ of his Son"	Image
 8 30	Whom did God also call?	Whom he predestined
 8 30	What follows "Whom he predestined"?	Those he also called. Whom he called, those he also justified. Whom he justified, those he also glorified
 8 31	Does Romans 8:31 say, "What then shall we say about these things"?	Yes
 8 31	If God is for us, who can be against us?	No one
 8 31	Where, in Romans, is it written, "who can be against us"?	Romans 8:31
 8 32	Can you finish this: "He who didn't spare his own Son, but delivered him up for us all ..."?	How would he not also with him freely give us all things
 8 32	Where, in Romans, is it written, "He who didn't spare his own Son"?	Romans 8:32
 8 32	What word is missing in Romans 8:32: "how would he not also with him ___ give us all things"?	Freely
 8 33	True or false: Romans 8:33 says, "Who could bring a charge against God's chosen ones"	True
 8 33	Can you finish this: "Who could bring a charge against God's chosen ones ..."?	It is God who justifies
 8 33	Where in Romans 8 do we read, "Who could bring a charge against God's chosen ones"?	Verse 33
 8 33	What follows "Who could bring a charge against God's chosen ones"?	It is God who justifies
 8 33	What word is missing in Romans 8:33: "Who could bring a charge against God's ___ ones"?	Chosen
 8 34	Is it written in Romans 8:34, "Who is he who condemns"?	Yes
 8 34	In Romans 8:34, what follows "Who is he who condemns? It is Christ who died, yes rather, who was raised from the dead"?	Who is at the right hand of God, who also makes intercession for us
 8 35	In Romans 8:35, what follows "Who shall separate us from the love of Christ? Could oppression, or anguish, or persecution, or famine, or nakedness"?	Or peril, or sword
 8 36	In Romans 8:36, what follows "Even as it is written"?	For your sake we are killed all day long. We were accounted as sheep for the slaughter
 8 36	Fill in the missing word from Romans 8:36: "We were ___ as sheep for the slaughter"	Accounted
 8 36	True or false: Romans 8:36 says, "Even as it is written"	True
 8 36	Can you finish this: "Even as it is written ..."?	For your sake we are killed all day long. We were accounted as sheep for the slaughter
 8 38	In Romans 8:38, what follows "For I am persuaded that neither death, nor life, nor angels"?	Nor principalities, nor things present, nor things to come, nor powers
 8 38	Can you finish this: "For I am persuaded that neither death, nor life, nor angels, nor principalities, nor things present ..."?	Nor things to come, nor powers
 8 38	What word completes this: "nor ___, nor things present"?	Principalities
 8 39	Can you finish this: "nor height, nor depth ..."?	Nor any other created thing will be able to separate us from God's love which is in Christ Jesus our Lord
 8 39	Name the chapter of Romans that says, "nor any other created thing will be able to separate us from God's love which is in Christ Jesus our Lord"	Chapter 8
 8 39	What follows "nor height, nor depth" in Romans 8:39?	Nor any other created thing will be able to separate us from God's love which is in Christ Jesus our Lord
 8 39	Quote Romans 8:39.	nor height, nor depth, nor any other created thing will be able to separate us from God's love which is in Christ Jesus our Lord.
 8 39	Give the missing word: "nor ___, nor any other"	Depth
 8 39	Are these the words of Romans 8: "nor any other created thing will be able to separate us from God's love which is in Christ Jesus our Lord"?	Yes
 9  1	Where, in Romans, is it written, "my conscience testifying with me in the Holy Spirit"?	Romans 9:1
 9  1	Finish this verse, Romans 9:1: "I tell the truth in Christ ..."	I am not lying, my conscience testifying with me in the Holy Spirit
 9  1	Recite Romans 9:1.	I tell the truth in Christ. I am not lying, my conscience testifying with me in the Holy Spirit
 9  1	Is it written in Romans 9:1, "my conscience testifying with me in the Holy Spirit"?	Yes
 9  1	In Romans 9:1, what follows "I tell the truth in Christ"?	I am not lying, my conscience testifying with me in the Holy Spirit
 9  1	What word completes this: "I am not ___, my conscience testifying"?	Lying
 9  2	Do we read in Romans 9:2, "that I have great sorrow and unceasing pain in my heart"?	Yes
 9  2	What word completes this: "that I have great ___ and unceasing pain in my"?	Sorrow
 9  2	Where, in Romans, is it written, "that I have great sorrow and unceasing pain in my heart"?	Romans 9:2
 9  2	Will you quote Romans 9:2?	that I have great sorrow and unceasing pain in my heart.
 9  2	Recite Romans 9:2.	that I have great sorrow and unceasing pain in my heart.
 9  2	Quote Romans 9:2.	that I have great sorrow and unceasing pain in my heart.
 9  3	Can you finish this: "For I could wish that I myself were accursed from Christ for my brothers' sake ..."?	My relatives according to the flesh
 9  3	Is it written in Romans 9:3, "my relatives according to the flesh"?	Yes
 9  4	In which verse of Romans 9 do we read, "the giving of the law"?	Verse 4
 9  4	Fill in the missing word from Romans 9:4: "the ___, and the promises"	Service
 9  4	What follows "who are Israelites; whose is the adoption, the glory, the covenants, the giving of the law, the service" in Romans 9:4?	And the promises
 9  4	Finish this: "who are Israelites; whose is the adoption ..."	The glory, the covenants, the giving of the law, the service, and the promises
 9  5	Finish this: "of whom are the fathers, and from whom is Christ as concerning the flesh ..."	Who is over all, God, blessed forever. Amen
 9  5	Do we read in Romans 9:5, "and from whom is Christ as concerning the flesh"?	Yes
 9  5	Recite Romans 9:5.	of whom are the fathers, and from whom is Christ as concerning the flesh, who is over all, God, blessed forever. Amen.
 9  6	What word is missing in Romans 9:6: "For they are not all ___ that are of Israel"?	Israel
 9  6	Finish this: "But it is not as though the word of God has come to nothing ..."	For they are not all Israel that are of Israel
 9  6	True or false: Romans 9:6 says, "But it is not as though the word of God has come to nothing"	True
 9  6	In Romans 9:6, what follows "But it is not as though the word of God has come to nothing"?	For they are not all Israel that are of Israel
 9  7	Fill in the missing word from Romans 9:7: "because they are Abraham's ___, are they all"	Offspring
 9  7	According to Romans 9:7, what follows "Neither, because they are Abraham's offspring"?	Are they all children. But, your offspring will be accounted as from Isaac
 9  7	Finish this: "Neither, because they are Abraham's offspring ..."	Are they all children. But, your offspring will be accounted as from Isaac
 9  8	Finish this: "That is, it is not the children of the flesh who are children of God ..."	But the children of the promise are counted as heirs
 9  8	Give the reference: "but the children of the promise are counted as heirs"	Romans 9:8
 9  8	Does Romans 9:8 say, "it is not the children of the flesh who are children of God"?	Yes
 9  8	What word is missing in Romans 9:8: "it is not the ___ of the flesh who are"?	Children
 9  9	Recite Romans 9:9.	For this is a word of promise: "At the appointed time I will come, and Sarah will have a son."
 9 10	Name the chapter of Romans that says, "but Rebekah also conceived by one"	Chapter 9
 9 11	Does Romans 9:11 say, "that the purpose of God according to election might stand"?	Yes
 9 11	Recite Romans 9:11.	For being not yet born, neither having done anything good or bad, that the purpose of God according to election might stand, not of works, but of him who calls,
 9 11	Where in Romans 9 do we read, "neither having done anything good or bad"?	Verse 11
 9 11	Finish this: "For being not yet born ..."	Neither having done anything good or bad, that the purpose of God according to election might stand, not of works, but of him who calls
 9 12	Quote Romans 9:12.	it was said to her, "The elder will serve the younger."
 9 12	What word completes this: "The elder will ___ the younger"?	Serve
 9 13	Was it Paul who wrote, "Even as it is written"?	Yes
 9 13	Finish this: "Even as it is written ..."	Jacob I loved, but Esau I hated
 9 13	Fill in the missing word from Romans 9:13: "Jacob I ___, but Esau I"	Loved
 9 13	Will you quote Romans 9:13?	Even as it is written, "Jacob I loved, but Esau I hated."
 9 13	What follows "Even as it is written, Jacob I loved"?	But Esau I hated
 9 13	Which chapter of Romans says, "Even as it is written"?	Chapter 9
 9 14	Which verse of Romans 9 says, "What shall we say then"?	Verse 14
 9 14	What follows "What shall we say then? Is there unrighteousness with God"?	May it never be
 9 14	Does Romans 9:14 say, "Is there unrighteousness with God"?	Yes
 9 14	Fill in the missing word from Romans 9:14: "Is there ___ with God"	Unrighteousness
 9 14	Can you finish this: "What shall we say then ..."?	Is there unrighteousness with God? May it never be
 9 15	Will you quote Romans 9:15?	For he said to Moses, "I will have mercy on whom I have mercy, and I will have compassion on whom I have compassion."
 9 15	Which verse of Romans 9 says, "and I will have compassion on whom I have compassion"?	Verse 15
 9 17	Which chapter of Romans says, "that I might show in you my power"?	Chapter 9
 9 17	Are these the words of Romans 9: "that I might show in you my power"?	Yes
 9 17	Will you quote Romans 9:17?	For the Scripture says to Pharaoh, "For this very purpose I caused you to be raised up, that I might show in you my power, and that my name might be proclaimed in all the earth."
 9 18	Can you finish this: "So then, he has mercy on whom he desires ..."?	And he hardens whom he desires
 9 18	Was it Paul who wrote, "he has mercy on whom he desires"?	Yes
 9 19	Where, in Romans, is it written, "You will say then to me"?	Romans 9:19
 9 20	In Romans 9:20, what follows "But indeed, O man"?	Who are you to reply against God? Will the thing formed ask him who formed it, Why did you make me like this
 9 21	According to Romans 9:21, what follows "Or hasn't the potter a right over the clay"?	From the same lump to make one part a vessel for honor, and another for dishonor
 9 21	What word completes this: "and ___ for dishonor"?	Another
 9 21	Name the chapter of Romans that says, "from the same lump to make one part a vessel for honor"	Chapter 9
 9 22	Finish this verse, Romans 9:22: "What if God, willing to show his wrath and to make his power known ..."	Endured with much patience vessels of wrath prepared for destruction
 9 22	In which verse of Romans 9 do we read, "endured with much patience vessels of wrath prepared for destruction"?	Verse 22
 9 23	In Romans 9:23, what follows "and that he might make known the riches of his glory on vessels of mercy"?	Which he prepared beforehand for glory--
 9 24	Give the missing word: "whom he also ___, not from the"	Called
 9 24	Finish this: "us, whom he also called ..."	Not from the Jews only, but also from the Gentiles
 9 24	Quote Romans 9:24.	us, whom he also called, not from the Jews only, but also from the Gentiles?
 9 25	Which chapter of Romans says, "and her 'beloved,' who was not beloved"?	Chapter 9
 9 25	Recite Romans 9:25.	As he says also in Hosea, "I will call them 'my people,' which were not my people; and her 'beloved,' who was not beloved."
 9 26	Fill in the missing word from Romans 9:26: "It will be that in the ___ where it was said to"	Place
 9 26	Will you quote Romans 9:26?	"It will be that in the place where it was said to them, 'You are not my people,' there they will be called 'children of the living God.'"
 9 26	Finish this verse, Romans 9:26: "It will be that in the place where it was said to them ..."	You are not my people,' there they will be called 'children of the living God
 9 26	In Romans 9:26, what follows "It will be that in the place where it was said to them"?	You are not my people,' there they will be called 'children of the living God
 9 26	Give the reference: "It will be that in the place where it was said to them"	Romans 9:26
 9 27	Finish this verse, Romans 9:27: "Isaiah cries concerning Israel, If the number of the children of Israel are as the sand of the sea ..."	It is the remnant who will be saved
 9 27	Was it Paul who wrote, "it is the remnant who will be saved"?	Yes
 9 28	Are these the words of Romans 9: "for he will finish the work and cut it short in righteousness"?	Yes
 9 28	Who will make a short work upon the earth?	The Lord
 9 28	In Romans 9:28, what follows "for he will finish the work and cut it short in righteousness"?	Because the Lord will make a short work upon the earth
 9 29	Was it Paul who wrote, "Unless the Lord of Armies had left us a seed"?	Yes
 9 30	Finish this verse, Romans 9:30: "What shall we say then? That the Gentiles ..."	Who didn't follow after righteousness, attained to righteousness, even the righteousness which is of faith
 9 30	Will you quote Romans 9:30?	What shall we say then? That the Gentiles, who didn't follow after righteousness, attained to righteousness, even the righteousness which is of faith;
 9 30	What follows "What shall we say then? That the Gentiles"?	Who didn't follow after righteousness, attained to righteousness, even the righteousness which is of faith
 9 30	Which verse of Romans 9 says, "even the righteousness which is of faith"?	Verse 30
 9 31	According to Romans 9:31, what follows "but Israel, following after a law of righteousness"?	Didn't arrive at the law of righteousness
 9 31	Which chapter of Romans says, "following after a law of righteousness"?	Chapter 9
 9 32	In which verse of Romans 9 do we read, "They stumbled over the stumbling stone"?	Verse 32
 9 32	How does Paul finish this: "Because they didn't seek it ..."?	By faith
 9 32	Are these the words of Romans 9: "but as it were by works of the law"?	Yes
 9 32	Finish this verse, Romans 9:32: "Why? Because they didn't seek it by faith ..."	But as it were by works of the law. They stumbled over the stumbling stone
 9 33	According to Romans 9:33, what follows "even as it is written, Behold"?	I lay in Zion a stumbling stone and a rock of offense; and no one who believes in him will be disappointed
 9 33	Fill in the missing word from Romans 9:33: "I lay in Zion a ___ stone and a rock of"	Stumbling
10  1	Finish this: "Brothers, my heart's desire and my prayer to God is for Israel ..."	That they may be saved
10  1	Which chapter of Romans says, "that they may be saved"?	Chapter 10
10  1	Fill in the missing word from Romans 10:1: "and my prayer to God is for ___, that they may"	Israel
10  2	Finish this verse, Romans 10:2: "For I testify about them that they have a zeal for God ..."	But not according to knowledge
10  3	Finish this: "For being ignorant of God's righteousness ..."	And seeking to establish their own righteousness, they didn't subject themselves to the righteousness of God
10  3	Where in Romans 10 do we read, "For being ignorant of God's righteousness"?	Verse 3
10  3	What follows "For being ignorant of God's righteousness, and seeking to establish their own righteousness" in Romans 10:3?	They didn't subject themselves to the righteousness of God
10  3	True or false: Romans 10:3 says, "and seeking to establish their own righteousness"	True
10  4	Who, according to Romans 10:4, is the fulfillment of the law for righteousness to everyone who believes?	Christ
10  4	Will you quote Romans 10:4?	For Christ is the fulfillment of the law for righteousness to everyone who believes.
10  4	Where in Romans 10 do we read, "For Christ is the fulfillment of the law for righteousness to everyone who believes"?	Verse 4
10  4	Fill in the missing word from Romans 10:4: "fulfillment of the law for righteousness to ___ who believes"	Everyone
10  4	Is it written in Romans 10:4, "For Christ is the fulfillment of the law for righteousness to everyone who believes"?	Yes
10  5	According to Romans 10:5, what follows "For Moses writes about the righteousness of the law"?	The one who does them will live by them
10  5	Is it written in Romans 10:5, "For Moses writes about the righteousness of the law"?	Yes
10  5	Will you quote Romans 10:5?	For Moses writes about the righteousness of the law, "The one who does them will live by them."
10  5	Which chapter of Romans says, "The one who does them will live by them"?	Chapter 10
10  5	Finish this: "For Moses writes about the righteousness of the law ..."	The one who does them will live by them
10  5	What word completes this: "For Moses writes about the ___ of the law"?	Righteousness
10  6	According to Romans 10:6, what is the righteousness which?	Of faith says this
10  6	What follows "But the righteousness which is of faith says this, Don't say in your heart" in Romans 10:6?	Who will ascend into heaven?' that is, to bring Christ down
10  6	Can you finish this: "But the righteousness which is of faith says this, Don't say in your heart ..."?	Who will ascend into heaven?' that is, to bring Christ down
10  7	Can you finish this: "or, 'Who will descend into the abyss?' that is ..."?	To bring Christ up from the dead
10  8	According to Romans 10:8, what is the word?	Near you
10  8	Finish this verse, Romans 10:8: "But what does it say? The word is near you, in your mouth and in your heart ..."	That is, the word of faith which we preach
10 10	Finish this: "For with the heart one believes resulting in righteousness ..."	And with the mouth confession is made resulting in salvation
10 10	In Romans 10:10, what follows "For with the heart one believes resulting in righteousness"?	And with the mouth confession is made resulting in salvation
10 10	Recite Romans 10:10.	For with the heart one believes resulting in righteousness; and with the mouth confession is made resulting in salvation.
10 11	In Romans 10:11, what follows "For the Scripture says"?	Whoever believes in him will not be disappointed
10 11	In which verse of Romans 10 do we read, "Whoever believes in him will not be disappointed"?	Verse 11
10 11	What word completes this: "For the ___ says"?	Scripture
10 11	Finish this: "For the Scripture says ..."	Whoever believes in him will not be disappointed
10 11	Are these the words of Romans 10: "Whoever believes in him will not be disappointed"?	Yes
10 12	Can you finish this: "For there is no distinction between Jew and Greek ..."?	For the same Lord is Lord of all, and is rich to all who call on him
10 12	Why does Paul say, "for there is no distinction between Jew and Greek"?	For the same Lord is Lord of all, and is rich to all who call on him
10 12	Which verse of Romans 10 says, "For there is no distinction between Jew and Greek"?	Verse 12
10 12	According to Romans 10:12, what is the same Lord?	Lord of all
10 13	In which verse of Romans 10 do we read, "Whoever will call on the name of the Lord will be saved"?	Verse 13
10 13	Are these the words of Romans 10: "Whoever will call on the name of the Lord will be saved"?	Yes
10 13	Quote Romans 10:13.	For, "Whoever will call on the name of the Lord will be saved."
10 14	Do we read in Romans 10:14, "How then will they call on him in whom they have not believed"?	Yes
10 14	Which chapter of Romans says, "How then will they call on him in whom they have not believed"?	Chapter 10
10 14	What follows "How then will they call on him in whom they have not believed" in Romans 10:14?	How will they believe in him whom they have not heard? How will they hear without a preacher
10 14	Will you quote Romans 10:14?	How then will they call on him in whom they have not believed? How will they believe in him whom they have not heard? How will they hear without a preacher?
10 14	Can you finish this: "How then will they call on him in whom they have not believed ..."?	How will they believe in him whom they have not heard? How will they hear without a preacher
10 14	Give the missing word: "on him in whom they have not ___? How will they"	Believed
10 15	How beautiful are the feet of whom?	Of those who preach the Good News of peace, who bring glad tidings of good things
10 15	Finish this verse, Romans 10:15: "And how will they preach unless they are sent? As it is written ..."	How beautiful are the feet of those who preach the Good News of peace, who bring glad tidings of good things
10 16	What follows "But they didn't all listen to the glad news. For Isaiah says, Lord" in Romans 10:16?	Who has believed our report
10 16	What word is missing in Romans 10:16: "who has ___ our report"?	Believed
10 16	Was it Paul who wrote, "But they didn't all listen to the glad news"?	Yes
10 17	So faith comes by what?	By hearing, and hearing by the word of God
10 18	Did Paul write, "their words to the ends of the world"?	Yes
10 18	According to Romans 10:18, what follows "But I say, didn't they hear? Yes"?	Most certainly, Their sound went out into all the earth, their words to the ends of the world
10 18	Which chapter of Romans says, "their words to the ends of the world"?	Chapter 10
10 18	Quote Romans 10:18.	But I say, didn't they hear? Yes, most certainly, "Their sound went out into all the earth, their words to the ends of the world."
10 19	Give the missing word: "I will make you ___ with a nation void of"	Angry
10 20	Finish this: "Isaiah is very bold and says, I was found by those who didn't seek me ..."	I was revealed to those who didn't ask for me
10 20	True or false: Romans 10:20 says, "I was found by those who didn't seek me"	True
10 21	Quote Romans 10:21.	But about Israel he says, "All day long I stretched out my hands to a disobedient and contrary people."
10 21	Which verse of Romans 10 says, "But about Israel he says"?	Verse 21
10 21	Can you finish this: "But about Israel he says ..."?	All day long I stretched out my hands to a disobedient and contrary people
10 21	Was it Paul who wrote, "All day long I stretched out my hands to a disobedient and contrary people"?	Yes
11  1	Finish this: "I ask then, did God reject his people? May it never be ..."	For I also am an Israelite, a descendant of Abraham, of the tribe of Benjamin
11  1	Recite Romans 11:1.	I ask then, did God reject his people? May it never be! For I also am an Israelite, a descendant of Abraham, of the tribe of Benjamin.
11  1	In Romans 11:1, what follows "I ask then, did God reject his people? May it never be! For I also am an Israelite"?	A descendant of Abraham, of the tribe of Benjamin
11  1	Are these the words of Romans 11: "of the tribe of Benjamin"?	Yes
11  1	Which chapter of Romans says, "did God reject his people"?	Chapter 11
11  1	Give the missing word: "of the ___ of Benjamin"	Tribe
11  2	Give the reference: "How he pleads with God against Israel"	Romans 11:2
11  2	What follows "God didn't reject his people, whom he foreknew"?	Or don't you know what the Scripture says about Elijah? How he pleads with God against Israel
11  2	According to Romans 11:2, who didn't reject his people?	God
11  2	Do we read in Romans 11:2, "Or don't you know what the Scripture says about Elijah"?	Yes
11  2	Finish this: "God didn't reject his people ..."	Whom he foreknew. Or don't you know what the Scripture says about Elijah? How he pleads with God against Israel
11  3	What follows "Lord, they have killed your prophets. They have broken down your altars. I am left alone" in Romans 11:3?	And they seek my life
11  4	Finish this verse, Romans 11:4: "But how does God answer him ..."	I have reserved for myself seven thousand men who have not bowed the knee to Baal
11  4	What word is missing in Romans 11:4: "myself seven thousand men who have not ___ the knee to Baal"?	Bowed
11  4	Where in Romans 11 do we read, "But how does God answer him"?	Verse 4
11  5	Are these the words of Romans 11: "Even so too at this present time also there is a remnant according to the election of grace"?	Yes
11  5	What word completes this: "there is a remnant according to the ___ of grace"?	Election
11  5	Recite Romans 11:5.	Even so too at this present time also there is a remnant according to the election of grace.
11  5	Where, in Romans, is it written, "Even so too at this present time also there is a remnant according to the election of grace"?	Romans 11:5
11  5	Which verse of Romans 11 says, "Even so too at this present time also there is a remnant according to the election of grace"?	Verse 5
11  6	Did Paul write, "otherwise grace is no longer grace"?	Yes
11  6	Where in Romans 11 do we read, "otherwise grace is no longer grace"?	Verse 6
11  7	According to Romans 11:7, what follows "What then? That which Israel seeks for, that he didn't obtain, but the chosen ones obtained it"?	And the rest were hardened
11  7	What word is missing in Romans 11:7: "that he didn't ___, but the chosen"?	Obtain
11  8	Which verse of Romans 11 says, "and ears that they should not hear"?	Verse 8
11  8	According to Romans 11:8, who gave them a spirit of stupor?	God
11  8	Finish this: "According as it is written, God gave them a spirit of stupor ..."	Eyes that they should not see, and ears that they should not hear, to this very day
11  8	What word completes this: "God gave them a spirit of ___, eyes that they"?	Stupor
11  8	What follows "According as it is written, God gave them a spirit of stupor"?	Eyes that they should not see, and ears that they should not hear, to this very day
11  9	Finish this: "David says, Let their table be made a snare, a trap ..."	A stumbling block, and a retribution to them
11  9	Fill in the missing word from Romans 11:9: "Let their ___ be made a snare"	Table
11  9	Name the chapter of Romans that says, "and a retribution to them"	Chapter 11
11 10	Give the missing word: "that they may not see. ___ keep their backs bent"	Always
11 12	What follows "Now if their fall is the riches of the world, and their loss the riches of the Gentiles" in Romans 11:12?	How much more their fullness
11 12	Finish this verse, Romans 11:12: "Now if their fall is the riches of the world, and their loss the riches of the Gentiles ..."	How much more their fullness
11 12	Quote Romans 11:12.	Now if their fall is the riches of the world, and their loss the riches of the Gentiles, how much more their fullness!
11 13	Was it Paul who wrote, "Since then as I am an apostle to Gentiles"?	Yes
11 13	Quote Romans 11:13.	For I speak to you who are Gentiles. Since then as I am an apostle to Gentiles, I glorify my ministry,
11 13	What word completes this: "Since then as I am an ___ to Gentiles"?	Apostle
11 14	True or false: Romans 11:14 says, "if by any means I may provoke to jealousy those who are my flesh"	True
11 14	What follows "if by any means I may provoke to jealousy those who are my flesh" in Romans 11:14?	And may save some of them
11 14	Finish this verse, Romans 11:14: "if by any means I may provoke to jealousy those who are my flesh ..."	And may save some of them
11 14	Give the missing word: "by any means I may provoke to ___ those who are my flesh"	Jealousy
11 15	Give the reference: "For if the rejection of them is the reconciling of the world"	Romans 11:15
11 15	Can you finish this: "For if the rejection of them is the reconciling of the world, what would their acceptance be ..."?	But life from the dead
11 16	In Romans 11:16, what follows "If the first fruit is holy"?	So is the lump. If the root is holy, so are the branches
11 16	What word is missing in Romans 11:16: "If the ___ fruit is holy"?	First
11 16	Finish this verse, Romans 11:16: "If the first fruit is holy, so is the lump ..."	If the root is holy, so are the branches
11 16	Quote Romans 11:16.	If the first fruit is holy, so is the lump. If the root is holy, so are the branches.
11 17	What follows "But if some of the branches were broken off"?	And you, being a wild olive, were grafted in among them and became partaker with them of the root and of the richness of the olive tree
11 17	Recite Romans 11:17.	But if some of the branches were broken off, and you, being a wild olive, were grafted in among them and became partaker with them of the root and of the richness of the olive tree,
11 17	Can you finish this: "But if some of the branches were broken off, and you, being a wild olive ..."?	Were grafted in among them and became partaker with them of the root and of the richness of the olive tree
11 18	Will you quote Romans 11:18?	don't boast over the branches. But if you boast, remember that it is not you who support the root, but the root supports you.
11 18	Give the reference: "but the root supports you"	Romans 11:18
11 19	Did Paul write, "that I might be grafted in"?	Yes
11 19	Finish this verse, Romans 11:19: "You will say then, Branches were broken off ..."	That I might be grafted in
11 19	Give the reference: "that I might be grafted in"	Romans 11:19
11 20	How, according to Romans 11:20, does this go on: "and you stand ..."?	By your faith
11 20	True or false: Romans 11:20 says, "by their unbelief they were broken off"	True
11 20	Finish this verse, Romans 11:20: "True; by their unbelief they were broken off ..."	And you stand by your faith. Don't be conceited, but fear
11 20	Fill in the missing word from Romans 11:20: "and you ___ by your faith"	Stand
11 21	How much less will God spare you, if he didn't spare the natural branches?	Neither will he spare you
11 22	Can you finish this: "See then the goodness and severity of God. Toward those who fell, severity; but toward you ..."?	Goodness, if you continue in his goodness; otherwise you also will be cut off
11 22	Where in Romans 11 do we read, "if you continue in his goodness"?	Verse 22
11 23	Finish this verse, Romans 11:23: "They also, if they don't continue in their unbelief ..."	Will be grafted in, for God is able to graft them in again
11 23	What follows "They also, if they don't continue in their unbelief, will be grafted in"?	For God is able to graft them in again
11 24	What follows "For if you were cut out of that which is by nature a wild olive tree, and were grafted contrary to nature into a good olive tree, how much more will these"?	Which are the natural branches, be grafted into their own olive tree
11 24	How much more will the natural branches be grafted into what?	Into their own olive tree
11 25	Give the reference: "so that you won't be wise in your own conceits"	Romans 11:25
11 25	In Romans 11:25, what follows "For I don't desire you to be ignorant, brothers, of this mystery, so that you won't be wise in your own conceits"?	That a partial hardening has happened to Israel, until the fullness of the Gentiles has come in
11 25	What word is missing in Romans 11:25: "partial hardening has happened to Israel, ___ the fullness of the Gentiles"?	Until
11 25	Do we read in Romans 11:25, "that a partial hardening has happened to Israel"?	Yes
11 25	Finish this: "For I don't desire you to be ignorant, brothers, of this mystery, so that you won't be wise in your own conceits, that a partial hardening has happened to Israel ..."	Until the fullness of the Gentiles has come in
11 26	Finish this verse, Romans 11:26: "and so all Israel will be saved. Even as it is written ..."	There will come out of Zion the Deliverer, and he will turn away ungodliness from Jacob
11 27	In Romans 11:27, what follows "This is my covenant with them"?	When I will take away their sins
11 28	Can you finish this: "Concerning the Good News, they are enemies for your sake. But concerning the election ..."?	They are beloved for the fathers' sake
11 28	In which verse of Romans 11 do we read, "they are beloved for the fathers' sake"?	Verse 28
11 29	According to Romans 11:29, what are the gifts and the calling of God?	Irrevocable
11 29	Are these the words of Romans 11: "For the gifts and the calling of God are irrevocable"?	Yes
11 29	Quote Romans 11:29.	For the gifts and the calling of God are irrevocable.
11 29	Whose, according to Romans 11:29, is the calling?	God's
11 29	Give the reference: "For the gifts and the calling of God are irrevocable"	Romans 11:29
11 30	Do we read in Romans 11:30, "but now have obtained mercy by their disobedience"?	Yes
11 30	In Romans 11:30, what follows "For as you in time past were disobedient to God"?	But now have obtained mercy by their disobedience
11 30	What word is missing in Romans 11:30: "but now have obtained ___ by their disobedience"?	Mercy
11 30	In which verse of Romans 11 do we read, "For as you in time past were disobedient to God"?	Verse 30
11 30	How, according to Romans 11:30, does this go on: "but now have obtained mercy ..."?	By their disobedience
11 31	Which verse of Romans 11 says, "even so these also have now been disobedient"?	Verse 31
11 32	What follows "For God has bound all to disobedience" in Romans 11:32?	That he might have mercy on all
11 32	Which verse of Romans 11 says, "that he might have mercy on all"?	Verse 32
11 32	Who has bound all to disobedience?	God
11 32	Is it written in Romans 11:32, "For God has bound all to disobedience"?	Yes
11 33	Whose, according to Romans 11:33, is the knowledge?	God's
11 33	Can you finish this: "Oh the depth of the riches both of the wisdom and the knowledge of God ..."?	How unsearchable are his judgments, and his ways past tracing out
11 33	Did Paul write, "Oh the depth of the riches both of the wisdom and the knowledge of God"?	Yes
11 33	Will you quote Romans 11:33?	Oh the depth of the riches both of the wisdom and the knowledge of God! How unsearchable are his judgments, and his ways past tracing out!
11 33	Fill in the missing word from Romans 11:33: "riches both of the wisdom and the ___ of God"	Knowledge
11 33	Give the reference: "Oh the depth of the riches both of the wisdom and the knowledge of God"	Romans 11:33
11 34	Give the missing word: "For who has ___ the mind of the Lord"	Known
11 34	What follows "For who has known the mind of the Lord"?	Or who has been his counselor
11 34	Finish this verse, Romans 11:34: "For who has known the mind of the Lord ..."	Or who has been his counselor
11 35	What follows "Or who has first given to him"?	And it will be repaid to him again
11 35	Where, in Romans, is it written, "and it will be repaid to him again"?	Romans 11:35
11 35	Did Paul write, "and it will be repaid to him again"?	Yes
11 36	What follows "For of him and through him and to him are all things"?	To him be the glory for ever! Amen
11 36	How, according to Romans 11:36, does this go on: "For of him and ..."?	Through him and to him are all things
11 36	What word is missing in Romans 11:36: "To him be the ___ for ever"?	Glory
11 36	Finish this: "For of him and through him and to him are all things ..."	To him be the glory for ever! Amen
12  1	Can you finish this: "Therefore I urge you, brothers ..."?	By the mercies of God, to present your bodies a living sacrifice, holy, acceptable to God, which is your spiritual service
12  2	According to Romans 12:2, what follows "Don't be conformed to this world, but be transformed by the renewing of your mind, so that you may prove what is the good, well-pleasing"?	And perfect will of God
12  2	How, according to Romans 12:2, does this go on: "Don't be conformed to this world, but be transformed ..."?	By the renewing of your mind
12  2	Can you finish this: "Don't be conformed to this world, but be transformed by the renewing of your mind, so that you may prove what is the good ..."?	Well-pleasing, and perfect will of God
12  3	Who has apportioned to each person a measure of faith?	God
12  3	Quote Romans 12:3.	For I say through the grace that was given me, to everyone who is among you, not to think of yourself more highly than you ought to think; but to think reasonably, as God has apportioned to each person a measure of faith.
12  3	What word is missing in Romans 12:3: "not to think of yourself more ___ than you ought to think"?	Highly
12  3	Finish this: "For I say through the grace that was given me, to everyone who is among you, not to think of yourself more highly than you ought to think; but to think reasonably ..."	As God has apportioned to each person a measure of faith
12  3	How does Paul finish this: "For I say ..."?	Through the grace that was given me
12  3	What follows "For I say through the grace that was given me, to everyone who is among you, not to think of yourself more highly than you ought to think; but to think reasonably"?	As God has apportioned to each person a measure of faith
12  4	True or false: Romans 12:4 says, "For even as we have many members in one body"	True
12  4	Can you finish this: "For even as we have many members in one body ..."?	And all the members don't have the same function
12  5	Finish this verse, Romans 12:5: "so we, who are many, are one body in Christ ..."	And individually members of one another
12  5	Will you quote Romans 12:5?	so we, who are many, are one body in Christ, and individually members of one another,
12  5	What word is missing in Romans 12:5: "and individually ___ of one another"?	Members
12  5	According to Romans 12:5, what follows "so we, who are many"?	Are one body in Christ, and individually members of one another
12  5	Is it written in Romans 12:5, "are one body in Christ"?	Yes
12  5	In which verse of Romans 12 do we read, "and individually members of one another"?	Verse 5
12  6	Quote Romans 12:6.	having gifts differing according to the grace that was given to us: if prophecy, let's prophesy according to the proportion of our faith;
12  6	Can you finish this: "having gifts differing according to the grace that was given to us ..."?	If prophecy, let's prophesy according to the proportion of our faith
12  7	Quote Romans 12:7.	or service, let's give ourselves to service; or he who teaches, to his teaching;
12  7	Where, in Romans, is it written, "let's give ourselves to service"?	Romans 12:7
12  7	Give the missing word: "or he who ___, to his teaching"	Teaches
12  7	Can you finish this: "or service, let's give ourselves to service; or he who teaches ..."?	To his teaching
12  8	Will you quote Romans 12:8?	or he who exhorts, to his exhorting; he who gives, let him do it with generosity; he who rules, with diligence; he who shows mercy, with cheerfulness.
12  9	Fill in the missing word from Romans 12:9: "Abhor that which is evil. ___ to that which is good"	Cling
12  9	According to Romans 12:9, what follows "Let love be without hypocrisy. Abhor that which is evil"?	Cling to that which is good
12  9	Finish this: "Let love be without hypocrisy ..."	Abhor that which is evil. Cling to that which is good
12  9	Do we read in Romans 12:9, "Cling to that which is good"?	Yes
12 10	Where in Romans 12 do we read, "in honor prefer one another"?	Verse 10
12 11	Finish this: "not lagging in diligence, fervent in spirit ..."	Serving the Lord
12 11	Quote Romans 12:11.	not lagging in diligence, fervent in spirit, serving the Lord,
12 11	In Romans 12:11, what follows "not lagging in diligence, fervent in spirit"?	Serving the Lord
12 12	What follows "rejoicing in hope" in Romans 12:12?	Enduring in troubles, continuing steadfastly in prayer
12 12	Can you finish this: "rejoicing in hope, enduring in troubles ..."?	Continuing steadfastly in prayer
12 13	Finish this verse, Romans 12:13: "contributing to the needs of the saints ..."	And given to hospitality
12 14	In which verse of Romans 12 do we read, "Bless those who persecute you"?	Verse 14
12 14	True or false: Romans 12:14 says, "Bless those who persecute you"	True
12 14	According to Romans 12:14, what follows "Bless those who persecute you"?	Bless, and don't curse
12 14	What word is missing in Romans 12:14: "Bless those who persecute you; ___, and don't curse"?	Bless
12 14	Recite Romans 12:14.	Bless those who persecute you; bless, and don't curse.
12 14	Can you finish this: "Bless those who persecute you; bless ..."?	And don't curse
12 15	Finish this: "Rejoice with those who rejoice ..."	Weep with those who weep
12 15	Recite Romans 12:15.	Rejoice with those who rejoice. Weep with those who weep.
12 16	Do we read in Romans 12:16, "Don't set your mind on high things"?	Yes
12 16	Can you finish this: "Be of the same mind one toward another. Don't set your mind on high things, but associate with the humble ..."?	Don't be wise in your own conceits
12 17	What word completes this: "Repay no one evil for evil. ___ what is honorable in the"?	Respect
12 18	Finish this verse, Romans 12:18: "If it is possible, as much as it is up to you ..."	Be at peace with all men
12 18	What word completes this: "If it is ___, as much as"?	Possible
12 18	True or false: Romans 12:18 says, "be at peace with all men"	True
12 18	Which verse of Romans 12 says, "be at peace with all men"?	Verse 18
12 18	Recite Romans 12:18.	If it is possible, as much as it is up to you, be at peace with all men.
12 19	Can you finish this: "Don't seek revenge yourselves, beloved, but give place to God's wrath. For it is written ..."?	Vengeance belongs to me; I will repay, says the Lord
12 19	Was it Paul who wrote, "but give place to God's wrath"?	Yes
12 19	Where, in Romans, is it written, "but give place to God's wrath"?	Romans 12:19
12 20	Give the missing word: "you will heap ___ of fire on his head"	Coals
12 20	Are these the words of Romans 12: "Therefore If your enemy is hungry"?	Yes
12 20	According to Romans 12:20, why if he is thirsty, give him a drink?	For in doing so, you will heap coals of fire on his head
12 20	What follows "Therefore If your enemy is hungry, feed him" in Romans 12:20?	If he is thirsty, give him a drink; for in doing so, you will heap coals of fire on his head
12 21	Where, in Romans, is it written, "Don't be overcome by evil"?	Romans 12:21
12 21	What follows "Don't be overcome by evil"?	But overcome evil with good
12 21	Do we read in Romans 12:21, "Don't be overcome by evil"?	Yes
12 21	Give the missing word: "Don't be ___ by evil"	Overcome
12 21	How does Paul finish this: "Don't be overcome ..."?	By evil
12 21	Finish this: "Don't be overcome by evil ..."	But overcome evil with good
13  1	According to Romans 13:1, what follows "Let every soul be in subjection to the higher authorities, for there is no authority except from God"?	And those who exist are ordained by God
13  1	Does Romans 13:1 say, "Let every soul be in subjection to the higher authorities"?	Yes
13  1	Give the missing word: "for there is no authority ___ from God"	Except
13  2	Can you finish this: "Therefore he who resists the authority withstands the ordinance of God ..."?	And those who withstand will receive to themselves judgment
13  2	Recite Romans 13:2.	Therefore he who resists the authority withstands the ordinance of God; and those who withstand will receive to themselves judgment.
13  2	Whose ordinance does Romans 13:2 speak of?	The ordinance of God
13  3	Finish this verse, Romans 13:3: "For rulers are not a terror to the good work ..."	But to the evil. Do you desire to have no fear of the authority? Do that which is good, and you will have praise from the authority
13  5	Finish this verse, Romans 13:5: "Therefore you need to be in subjection, not only because of the wrath ..."	But also for conscience' sake
13  5	Why does Paul say, "therefore you need to be in subjection, not only"?	Because of the wrath, but also for conscience' sake
13  5	Are these the words of Romans 13: "not only because of the wrath"?	Yes
13  5	Give the missing word: "Therefore you need to be in ___, not only because"	Subjection
13  5	Will you quote Romans 13:5?	Therefore you need to be in subjection, not only because of the wrath, but also for conscience' sake.
13  5	What follows "Therefore you need to be in subjection, not only because of the wrath" in Romans 13:5?	But also for conscience' sake
13  6	Give the missing word: "continually ___ this very thing"	Doing
13  6	Why, in Romans 13:6, does Paul say, "for this reason you also pay taxes"?	For they are servants of God's service, continually doing this very thing
13  6	Was it Paul who wrote, "for they are servants of God's service"?	Yes
13  7	Can you finish this: "Therefore give everyone what you owe: if you owe taxes, pay taxes; if customs, then customs; if respect, then respect ..."?	If honor, then honor
13  7	Where, in Romans, is it written, "Therefore give everyone what you owe"?	Romans 13:7
13  7	Recite Romans 13:7.	Therefore give everyone what you owe: if you owe taxes, pay taxes; if customs, then customs; if respect, then respect; if honor, then honor.
13  7	Was it Paul who wrote, "Therefore give everyone what you owe"?	Yes
13  8	What word is missing in Romans 13:8: "for he who ___ his neighbor has fulfilled the"?	Loves
13  9	When everything the commandments say is summed up, in what saying is it summed up?	"You shall love your neighbor as yourself"
13 10	Finish this verse, Romans 13:10: "Love doesn't harm a neighbor ..."	Love therefore is the fulfillment of the law
13 10	Does Romans 13:10 say, "Love therefore is the fulfillment of the law"?	Yes
13 10	In Romans 13:10, what follows "Love doesn't harm a neighbor"?	Love therefore is the fulfillment of the law
13 10	Which chapter of Romans says, "Love therefore is the fulfillment of the law"?	Chapter 13
13 11	Fill in the missing word from Romans 13:11: "time for you to awaken out of ___, for salvation is"	Sleep
13 12	Finish this: "The night is far gone ..."	And the day is near. Let's therefore throw off the deeds of darkness, and let's put on the armor of light
13 12	Do we read in Romans 13:12, "and let's put on the armor of light"?	Yes
13 13	What follows "Let's walk properly, as in the day; not in reveling and drunkenness, not in sexual promiscuity and lustful acts" in Romans 13:13?	And not in strife and jealousy
13 13	Finish this: "Let's walk properly, as in the day; not in reveling and drunkenness ..."	Not in sexual promiscuity and lustful acts, and not in strife and jealousy
13 13	Do we read in Romans 13:13, "not in sexual promiscuity and lustful acts"?	Yes
13 13	What word is missing in Romans 13:13: "not in sexual promiscuity and ___ acts"?	Lustful
13 13	Quote Romans 13:13.	Let's walk properly, as in the day; not in reveling and drunkenness, not in sexual promiscuity and lustful acts, and not in strife and jealousy.
13 13	Give the reference: "and not in strife and jealousy"	Romans 13:13
13 14	Can you finish this: "But put on the Lord Jesus Christ, and make no provision for the flesh ..."?	For its lusts
13 14	Give the missing word: "But put on the Lord Jesus ___, and make no"	Christ
14  1	What follows "Now accept one who is weak in faith"?	But not for disputes over opinions
14  2	Fill in the missing word from Romans 14:2: "One man has ___ to eat all things"	Faith
14  2	Which chapter of Romans says, "but he who is weak eats only vegetables"?	Chapter 14
14  2	Can you finish this: "One man has faith to eat all things ..."?	But he who is weak eats only vegetables
14  3	Can you finish this: "Don't let him who eats despise him who doesn't eat ..."?	Don't let him who doesn't eat judge him who eats, for God has accepted him
14  3	Give the missing word: "Don't let him who eats ___ him who doesn't eat"	Despise
14  4	Finish this verse, Romans 14:4: "Who are you who judge another's servant ..."	To his own lord he stands or falls. Yes, he will be made to stand, for God has power to make him stand
14  4	Why does Paul say, "yes, he will be made to stand"?	For God has power to make him stand
14  4	What follows "Who are you who judge another's servant? To his own lord he stands or falls. Yes" in Romans 14:4?	He will be made to stand, for God has power to make him stand
14  4	True or false: Romans 14:4 says, "To his own lord he stands or falls"	True
14  5	Name the chapter of Romans that says, "Another esteems every day alike"	Chapter 14
14  6	Did Paul write, "for he gives God thanks"?	Yes
14  6	Why, in Romans 14:6, does Paul say, "he who eats, eats to the Lord"?	For he gives God thanks. He who doesn't eat, to the Lord he doesn't eat, and gives God
14  6	Where, in Romans, is it written, "for he gives God thanks"?	Romans 14:6
14  7	Finish this verse, Romans 14:7: "For none of us lives to himself ..."	And none dies to himself
14  7	Give the missing word: "For none of us ___ to himself"	Lives
14  7	Was it Paul who wrote, "and none dies to himself"?	Yes
14  8	Can you finish this: "For if we live, we live to the Lord ..."?	Or if we die, we die to the Lord. If therefore we live or die, we are the Lord's
14  8	Where, in Romans, is it written, "we live to the Lord"?	Romans 14:8
14  8	Was it Paul who wrote, "If therefore we live or die"?	Yes
14  8	Give the missing word: "If ___ we live or die"	Therefore
14  8	According to Romans 14:8, what follows "For if we live, we live to the Lord. Or if we die"?	We die to the Lord. If therefore we live or die, we are the Lord's
14  9	Will you quote Romans 14:9?	For to this end Christ died, rose, and lived again, that he might be Lord of both the dead and the living.
14  9	Which verse of Romans 14 says, "that he might be Lord of both the dead and the living"?	Verse 9
14  9	Can you finish this: "For to this end Christ died, rose, and lived again ..."?	That he might be Lord of both the dead and the living
14  9	What word completes this: "and ___ again"?	Lived
14 10	Finish this verse, Romans 14:10: "But you, why do you judge your brother? Or you again, why do you despise your brother ..."	For we will all stand before the judgment seat of Christ
14 10	True or false: Romans 14:10 says, "why do you judge your brother"	True
14 11	Finish this: "For it is written ..."	As I live,' says the Lord, 'to me every knee will bow. Every tongue will confess to God
14 11	Do we read in Romans 14:11, "As I live,' says the Lord"?	Yes
14 11	What word is missing in Romans 14:11: "Every ___ will confess to God"?	Tongue
14 12	What word is missing in Romans 14:12: "then each one of us will give ___ of himself to God"?	Account
14 12	Are these the words of Romans 14: "So then each one of us will give account of himself to God"?	Yes
14 12	Name the chapter of Romans that says, "So then each one of us will give account of himself to God"	Chapter 14
14 12	Quote Romans 14:12.	So then each one of us will give account of himself to God.
14 13	What follows "Therefore let's not judge one another any more"?	But judge this rather, that no man put a stumbling block in his brother's way, or an occasion for falling
14 13	Does Romans 14:13 say, "that no man put a stumbling block in his brother's way"?	Yes
14 13	Give the reference: "that no man put a stumbling block in his brother's way"	Romans 14:13
14 14	Fill in the missing word from Romans 14:14: "know and am persuaded in the Lord ___ that nothing is unclean of"	Jesus
14 14	Where, in Romans, is it written, "I know and am persuaded in the Lord Jesus that nothing is unclean of itself"?	Romans 14:14
14 14	Recite Romans 14:14.	I know and am persuaded in the Lord Jesus that nothing is unclean of itself; except that to him who considers anything to be unclean, to him it is unclean.
14 15	What word completes this: "Yet if because of food your ___ is grieved"?	Brother
14 15	Finish this: "Yet if because of food your brother is grieved, you walk no longer in love ..."	Don't destroy with your food him for whom Christ died
14 15	What follows "Yet if because of food your brother is grieved" in Romans 14:15?	You walk no longer in love. Don't destroy with your food him for whom Christ died
14 16	Where in Romans 14 do we read, "Then don't let your good be slandered"?	Verse 16
14 16	Are these the words of Romans 14: "Then don't let your good be slandered"?	Yes
14 16	Will you quote Romans 14:16?	Then don't let your good be slandered,
14 16	Which chapter of Romans says, "Then don't let your good be slandered"?	Chapter 14
14 16	Is it written in Romans 14:16, "Then don't let your good be slandered"?	Yes
14 17	In Romans 14:17, what follows "for God's Kingdom is not eating and drinking, but righteousness, peace"?	And joy in the Holy Spirit
14 17	Which chapter of Romans says, "and joy in the Holy Spirit"?	Chapter 14
14 18	Did Paul write, "For he who serves Christ in these things is acceptable to God and approved by men"?	Yes
14 18	Give the missing word: "these things is acceptable to God and ___ by men"	Approved
14 19	Can you finish this: "So then, let's follow after things which make for peace ..."?	And things by which we may build one another up
14 19	Which chapter of Romans says, "let's follow after things which make for peace"?	Chapter 14
14 19	What follows "So then, let's follow after things which make for peace"?	And things by which we may build one another up
14 20	Is it written in Romans 14:20, "Don't overthrow God's work for food's sake"?	Yes
14 20	Which chapter of Romans says, "Don't overthrow God's work for food's sake"?	Chapter 14
14 20	Finish this verse, Romans 14:20: "Don't overthrow God's work for food's sake. All things indeed are clean ..."	However it is evil for that man who creates a stumbling block by eating
14 21	Do we read in Romans 14:21, "nor do anything by which your brother stumbles"?	Yes
14 21	What word completes this: "is ___, or is made"?	Offended
14 21	How does Paul finish this: "drink wine, nor do anything ..."?	By which your brother stumbles
14 22	Does Romans 14:22 say, "Have it to yourself before God"?	Yes
14 22	What follows "Do you have faith"?	Have it to yourself before God. Happy is he who doesn't judge himself in that which he approves
14 22	Name the chapter of Romans that says, "Happy is he who doesn't judge himself in that which he approves"	Chapter 14
14 23	According to Romans 14:23, why but he who doubts is condemned if he eats?	Because it isn't of faith; and whatever is not of faith is sin. Now to him who is
14 23	Is it written in Romans 14:23, "and whatever is not of faith is sin"?	Yes
14 23	How, according to Romans 14:23, does this go on: "the revelation of the mystery which has been kept secret ..."?	Through long ages
14 23	Where, in Romans, is it written, "because it isn't of faith"?	Romans 14:23
14 23	Whose, according to Romans 14:23, is the preaching?	Jesus's
15  1	In Romans 15:1, what follows "Now we who are strong ought to bear the weaknesses of the weak"?	And not to please ourselves
15  2	What follows "Let each one of us please his neighbor for that which is good" in Romans 15:2?	To be building him up
15  2	Finish this verse, Romans 15:2: "Let each one of us please his neighbor for that which is good ..."	To be building him up
15  3	According to Romans 15:3, what follows "For even Christ didn't please himself. But, as it is written"?	The reproaches of those who reproached you fell on me
15  3	Finish this verse, Romans 15:3: "For even Christ didn't please himself ..."	But, as it is written, The reproaches of those who reproached you fell on me
15  3	Which verse of Romans 15 says, "For even Christ didn't please himself"?	Verse 3
15  3	Will you quote Romans 15:3?	For even Christ didn't please himself. But, as it is written, "The reproaches of those who reproached you fell on me."
15  4	How, according to Romans 15:4, does this go on: "that through perseverance and ..."?	Through encouragement of the Scriptures we might have hope
15  4	In which verse of Romans 15 do we read, "that through perseverance and through encouragement of the Scriptures we might have hope"?	Verse 4
15  4	Does Romans 15:4 say, "that through perseverance and through encouragement of the Scriptures we might have hope"?	Yes
15  5	Did Paul write, "Now the God of perseverance and of encouragement grant you to be of the same mind with one another according to Christ Jesus"?	Yes
15  5	What word is missing in Romans 15:5: "be of the same mind with one ___ according to Christ Jesus"?	Another
15  6	Give the reference: "that with one accord you may with one mouth glorify the God and Father of our Lord Jesus Christ"	Romans 15:6
15  6	Was it Paul who wrote, "that with one accord you may with one mouth glorify the God and Father of our Lord Jesus Christ"?	Yes
15  7	Which chapter of Romans says, "even as Christ also accepted you"?	Chapter 15
15  7	Finish this: "Therefore accept one another, even as Christ also accepted you ..."	To the glory of God
15  7	What follows "Therefore accept one another" in Romans 15:7?	Even as Christ also accepted you, to the glory of God
15  7	Give the missing word: "Therefore accept one ___, even as Christ"	Another
15  7	Did Paul write, "to the glory of God"?	Yes
15  7	Whose, according to Romans 15:7, is the glory?	God's
15  8	What word is missing in Romans 15:8: "that he might confirm the ___ given to the fathers"?	Promises
15  8	Whose truth does Romans 15:8 speak of?	The truth of God
15  8	Was it Paul who wrote, "Now I say that Christ has been made a servant of the circumcision for the truth of God"?	Yes
15  8	Which verse of Romans 15 says, "Now I say that Christ has been made a servant of the circumcision for the truth of God"?	Verse 8
15  8	Recite Romans 15:8.	Now I say that Christ has been made a servant of the circumcision for the truth of God, that he might confirm the promises given to the fathers,
15  9	Recite Romans 15:9.	and that the Gentiles might glorify God for his mercy. As it is written, "Therefore I will give praise to you among the Gentiles and sing to your name."
15  9	Which chapter of Romans says, "Therefore I will give praise to you among the Gentiles and sing to your name"?	Chapter 15
15 10	Finish this: "Again he says ..."	Rejoice, you Gentiles, with his people
15 10	What word is missing in Romans 15:10: "you ___, with his people"?	Gentiles
15 10	Will you quote Romans 15:10?	Again he says, "Rejoice, you Gentiles, with his people."
15 11	Do we read in Romans 15:11, "Let all the peoples praise him"?	Yes
15 11	In Romans 15:11, what follows "Again, Praise the Lord"?	All you Gentiles! Let all the peoples praise him
15 11	Where, in Romans, is it written, "Let all the peoples praise him"?	Romans 15:11
15 12	Fill in the missing word from Romans 15:12: "he who ___ to rule over the Gentiles"	Arises
15 12	Finish this verse, Romans 15:12: "Again, Isaiah says, There will be the root of Jesse, he who arises to rule over the Gentiles ..."	In him the Gentiles will hope
15 12	What follows "Again, Isaiah says"?	There will be the root of Jesse, he who arises to rule over the Gentiles; in him the Gentiles will hope
15 13	According to Romans 15:13, what follows "Now may the God of hope fill you with all joy and peace in believing"?	That you may abound in hope in the power of the Holy Spirit
15 13	Does Romans 15:13 say, "Now may the God of hope fill you with all joy and peace in believing"?	Yes
15 13	Recite Romans 15:13.	Now may the God of hope fill you with all joy and peace in believing, that you may abound in hope in the power of the Holy Spirit.
15 13	In which verse of Romans 15 do we read, "Now may the God of hope fill you with all joy and peace in believing"?	Verse 13
15 14	Does Romans 15:14 say, "able also to admonish others"?	Yes
15 14	What follows "I myself am also persuaded about you, my brothers, that you yourselves are full of goodness, filled with all knowledge" in Romans 15:14?	Able also to admonish others
15 14	Quote Romans 15:14.	I myself am also persuaded about you, my brothers, that you yourselves are full of goodness, filled with all knowledge, able also to admonish others.
15 14	Can you finish this: "I myself am also persuaded about you, my brothers, that you yourselves are full of goodness, filled with all knowledge ..."?	Able also to admonish others
15 15	True or false: Romans 15:15 says, "But I write the more boldly to you in part as reminding you"	True
15 15	What follows "But I write the more boldly to you in part as reminding you" in Romans 15:15?	Because of the grace that was given to me by God
15 15	Recite Romans 15:15.	But I write the more boldly to you in part as reminding you, because of the grace that was given to me by God,
15 15	Give the missing word: "because of the ___ that was given to me"	Grace
15 15	Name the chapter of Romans that says, "But I write the more boldly to you in part as reminding you"	Chapter 15
15 16	Where, in Romans, is it written, "serving as a priest of the Good News of God"?	Romans 15:16
15 16	Finish this verse, Romans 15:16: "that I should be a servant of Christ Jesus to the Gentiles, serving as a priest of the Good News of God, that the offering up of the Gentiles might be made acceptable ..."	Sanctified by the Holy Spirit
15 16	Quote Romans 15:16.	that I should be a servant of Christ Jesus to the Gentiles, serving as a priest of the Good News of God, that the offering up of the Gentiles might be made acceptable, sanctified by the Holy Spirit.
15 16	What follows "that I should be a servant of Christ Jesus to the Gentiles, serving as a priest of the Good News of God"?	That the offering up of the Gentiles might be made acceptable, sanctified by the Holy Spirit
15 18	Was it Paul who wrote, "For I will not dare to speak of any things except those which Christ worked through me for the obedience of the Gentiles"?	Yes
15 18	How does Paul finish this: "to speak of any things except those which Christ worked ..."?	Through me for the obedience of the Gentiles
15 19	Are these the words of Romans 15: "in the power of signs and wonders"?	Yes
15 19	What word is missing in Romans 15:19: "in the power of God's ___; so that from"?	Spirit
15 20	Recite Romans 15:20.	yes, making it my aim to preach the Good News, not where Christ was already named, that I might not build on another's foundation.
15 20	What follows "yes, making it my aim to preach the Good News" in Romans 15:20?	Not where Christ was already named, that I might not build on another's foundation
15 21	Did Paul write, "They who haven't heard will understand"?	Yes
15 21	Can you finish this: "But, as it is written ..."?	They will see, to whom no news of him came. They who haven't heard will understand
15 22	Do we read in Romans 15:22, "Therefore also I was hindered these many times from coming to you"?	Yes
15 23	Give the reference: "and having these many years a longing to come to you"	Romans 15:23
15 23	Quote Romans 15:23.	but now, no longer having any place in these regions, and having these many years a longing to come to you,
15 23	Fill in the missing word from Romans 15:23: "and ___ these many years a longing"	Having
15 26	What word is missing in Romans 15:26: "of Macedonia and Achaia to make a ___ contribution for the poor among"?	Certain
15 26	Does Romans 15:26 say, "For it has been the good pleasure of Macedonia and Achaia to make a certain contribution for the poor among the saints who are at Jerusalem"?	Yes
15 26	Where, in Romans, is it written, "For it has been the good pleasure of Macedonia and Achaia to make a certain contribution for the poor among the saints who are at Jerusalem"?	Romans 15:26
15 27	Fill in the missing word from Romans 15:27: "and they are their ___. For if the"	Debtors
15 27	Name the chapter of Romans that says, "For if the Gentiles have been made partakers of their spiritual things"	Chapter 15
15 27	According to Romans 15:27, what follows "Yes, it has been their good pleasure"?	And they are their debtors. For if the Gentiles have been made partakers of their spiritual things, they owe it to them also to serve them in material things
15 27	Finish this: "Yes, it has been their good pleasure, and they are their debtors. For if the Gentiles have been made partakers of their spiritual things ..."	They owe it to them also to serve them in material things
15 28	Finish this verse, Romans 15:28: "When therefore I have accomplished this ..."	And have sealed to them this fruit, I will go on by way of you to Spain
15 28	How, according to Romans 15:28, does this go on: "I will go on ..."?	By way of you to Spain
15 28	True or false: Romans 15:28 says, "I will go on by way of you to Spain"	True
15 28	Name the chapter of Romans that says, "When therefore I have accomplished this"	Chapter 15
15 28	What word is missing in Romans 15:28: "and have sealed to them this ___, I will go"?	Fruit
15 29	Was it Paul who wrote, "I will come in the fullness of the blessing of the Good News of Christ"?	Yes
15 29	What word is missing in Romans 15:29: "I will come in the ___ of the blessing of the"?	Fullness
15 29	What follows "I know that when I come to you" in Romans 15:29?	I will come in the fullness of the blessing of the Good News of Christ
15 30	How does Paul finish this: "Now I beg you, brothers ..."?	By our Lord Jesus Christ and by the love of
15 30	Was it Paul who wrote, "by our Lord Jesus Christ and by the love of the Spirit"?	Yes
15 30	What word is missing in Romans 15:30: "Christ and by the love of the ___, that you strive"?	Spirit
15 30	Finish this verse, Romans 15:30: "Now I beg you, brothers ..."	By our Lord Jesus Christ and by the love of the Spirit, that you strive together with me in your prayers to God for me
15 31	Finish this: "that I may be delivered from those who are disobedient in Judea ..."	And that my service which I have for Jerusalem may be acceptable to the saints
15 31	What follows "that I may be delivered from those who are disobedient in Judea"?	And that my service which I have for Jerusalem may be acceptable to the saints
15 31	Fill in the missing word from Romans 15:31: "may be delivered from those who are ___ in Judea"	Disobedient
15 31	Will you quote Romans 15:31?	that I may be delivered from those who are disobedient in Judea, and that my service which I have for Jerusalem may be acceptable to the saints,
15 31	Was it Paul who wrote, "and that my service which I have for Jerusalem may be acceptable to the saints"?	Yes
15 31	Which chapter of Romans says, "that I may be delivered from those who are disobedient in Judea"?	Chapter 15
15 32	Finish this: "that I may come to you in joy through the will of God ..."	And together with you, find rest
15 32	What follows "that I may come to you in joy through the will of God"?	And together with you, find rest
15 32	How, according to Romans 15:32, does this go on: "that I may come to you in joy ..."?	Through the will of God
15 32	In which verse of Romans 15 do we read, "that I may come to you in joy through the will of God"?	Verse 32
15 32	Do we read in Romans 15:32, "that I may come to you in joy through the will of God"?	Yes
15 33	Was it Paul who wrote, "Now the God of peace be with you all"?	Yes
16  1	True or false: Romans 16:1 says, "I commend to you Phoebe"	True
16  1	Where, in Romans, is it written, "who is a servantof the assembly that is at Cenchreae"?	Romans 16:1
16  2	Fill in the missing word from Romans 16:2: "her in the Lord in a way ___ of the saints"	Worthy
16  2	Does Romans 16:2 say, "and of my own self"?	Yes
16  2	In Romans 16:2, what follows "that you receive her in the Lord in a way worthy of the saints, and that you assist her in whatever matter she may need from you, for she herself also has been a helper of many"?	And of my own self
16  2	Can you finish this: "that you receive her in the Lord in a way worthy of the saints ..."?	And that you assist her in whatever matter she may need from you, for she herself also has been a helper of many, and of my own self
16  3	Did Paul write, "my fellow workers in Christ Jesus"?	Yes
16  3	What follows "Greet Prisca and Aquila" in Romans 16:3?	My fellow workers in Christ Jesus
16  3	Will you quote Romans 16:3?	Greet Prisca and Aquila, my fellow workers in Christ Jesus,
16  3	Can you finish this: "Greet Prisca and Aquila ..."?	My fellow workers in Christ Jesus
16  3	In which verse of Romans 16 do we read, "my fellow workers in Christ Jesus"?	Verse 3
16  4	Where, in Romans, is it written, "who risked their own necks for my life"?	Romans 16:4
16  4	Is it written in Romans 16:4, "who risked their own necks for my life"?	Yes
16  4	Finish this verse, Romans 16:4: "who risked their own necks for my life, to whom not only I give thanks ..."	But also all the assemblies of the Gentiles
16  4	Give the missing word: "to whom not only I give ___, but also all"	Thanks
16  4	Recite Romans 16:4.	who risked their own necks for my life, to whom not only I give thanks, but also all the assemblies of the Gentiles.
16  4	What follows "who risked their own necks for my life" in Romans 16:4?	To whom not only I give thanks, but also all the assemblies of the Gentiles
16 11	Can you finish this: "Greet Herodion, my kinsman. Greet them of the household of Narcissus ..."?	Who are in the Lord
16 11	Recite Romans 16:11.	Greet Herodion, my kinsman. Greet them of the household of Narcissus, who are in the Lord.
16 11	Does Romans 16:11 say, "who are in the Lord"?	Yes
16 12	Can you finish this: "Greet Tryphaena and Tryphosa, who labor in the Lord. Greet Persis, the beloved ..."?	Who labored much in the Lord
16 12	Which verse of Romans 16 says, "who labor in the Lord"?	Verse 12
16 12	Whom does Paul greet in Romans 16:12?	Tryphaena, Tryphosa and Persis
16 12	Will you quote Romans 16:12?	Greet Tryphaena and Tryphosa, who labor in the Lord. Greet Persis, the beloved, who labored much in the Lord.
16 13	Whom does Paul greet in Romans 16:13?	Rufus
16 13	Finish this verse, Romans 16:13: "Greet Rufus, the chosen in the Lord ..."	And his mother and mine
16 13	What follows "Greet Rufus, the chosen in the Lord"?	And his mother and mine
16 13	Give the missing word: "and his ___ and mine"	Mother
16 14	Where in Romans 16 do we read, "and the brothers who are with them"?	Verse 14
16 14	True or false: Romans 16:14 says, "and the brothers who are with them"	True
16 14	What word completes this: "and the ___ who are with them"?	Brothers
16 14	According to Romans 16:14, what are the brothers who?	With them
16 14	Finish this verse, Romans 16:14: "Greet Asyncritus, Phlegon, Hermes, Patrobas, Hermas ..."	And the brothers who are with them
16 15	Finish this verse, Romans 16:15: "Greet Philologus and Julia, Nereus and his sister ..."	And Olympas, and all the saints who are with them
16 15	Fill in the missing word from Romans 16:15: "Greet Philologus and Julia, ___ and his sister"	Nereus
16 15	What follows "Greet Philologus and Julia, Nereus and his sister, and Olympas"?	And all the saints who are with them
16 15	Quote Romans 16:15.	Greet Philologus and Julia, Nereus and his sister, and Olympas, and all the saints who are with them.
16 15	Name the people Paul greets in Romans 16:15.	Philologus, Julia, Nereus and Olympas
16 17	Will you quote Romans 16:17?	Now I beg you, brothers, look out for those who are causing the divisions and occasions of stumbling, contrary to the doctrine which you learned, and turn away from them.
16 18	Are these the words of Romans 16: "and by their smooth and flattering speech they deceive the hearts of the innocent"?	Yes
16 18	How does Paul finish this: "but their own belly; and ..."?	By their smooth and flattering speech they deceive the hearts
16 18	Fill in the missing word from Romans 16:18: "For those who are such don't ___ our Lord Jesus Christ"	Serve
16 20	What follows "And the God of peace will quickly crush Satan under your feet"?	The grace of our Lord Jesus Christ be with you
16 20	What word is missing in Romans 16:20: "And the God of ___ will quickly crush Satan under"?	Peace
16 20	Can you finish this: "And the God of peace will quickly crush Satan under your feet ..."?	The grace of our Lord Jesus Christ be with you
16 20	Quote Romans 16:20.	And the God of peace will quickly crush Satan under your feet. The grace of our Lord Jesus Christ be with you.
16 21	Finish this verse, Romans 16:21: "Timothy, my fellow worker, greets you, as do Lucius ..."	Jason, and Sosipater, my relatives
16 21	Fill in the missing word from Romans 16:21: "and ___, my relatives"	Sosipater
16 21	According to Romans 16:21, what follows "Timothy, my fellow worker"?	Greets you, as do Lucius, Jason, and Sosipater, my relatives
16 21	Will you quote Romans 16:21?	Timothy, my fellow worker, greets you, as do Lucius, Jason, and Sosipater, my relatives.
16 22	Is it written in Romans 16:22, "greet you in the Lord"?	Yes
16 22	Finish this: "I, Tertius, who write the letter ..."	Greet you in the Lord
16 22	Will you quote Romans 16:22?	I, Tertius, who write the letter, greet you in the Lord.
16 22	Name the chapter of Romans that says, "greet you in the Lord"	Chapter 16
16 22	Fill in the missing word from Romans 16:22: "who write the letter, ___ you in the Lord"	Greet
16 23	Finish this verse, Romans 16:23: "Gaius, my host and host of the whole assembly, greets you. Erastus, the treasurer of the city, greets you ..."	As does Quartus, the brother
16 23	Which chapter of Romans says, "the treasurer of the city"?	Chapter 16
16 24	Is it written in Romans 16:24, "The grace of our Lord Jesus Christ be with you all"?	Yes
17  1	Give the reference: "a servant of God and of the Lord Jesus Christ"	James 1:1
17  1	What follows "James, a servant of God and of the Lord Jesus Christ" in James 1:1?	To the twelve tribes which are in the Dispersion: Greetings
17  1	Give the missing word: "to the twelve ___ which are in the Dispersion"	Tribes
17  1	Recite James 1:1.	James, a servant of God and of the Lord Jesus Christ, to the twelve tribes which are in the Dispersion: Greetings.
17  2	When you fall into various temptations, what should you count it?	All joy
17  3	Will you quote James 1:3?	knowing that the testing of your faith produces endurance.
17  3	In which verse of James 1 do we read, "knowing that the testing of your faith produces endurance"?	Verse 3
17  3	Was it James who wrote, "knowing that the testing of your faith produces endurance"?	Yes
17  3	What word is missing in James 1:3: "knowing that the ___ of your faith produces endurance"?	Testing
17  3	What word is missing in James 1:3: "knowing that the testing of your ___ produces endurance"?	Faith
17  4	In James 1:4, what follows "Let endurance have its perfect work, that you may be perfect and complete"?	Lacking in nothing
17  4	Are these the words of James 1: "Let endurance have its perfect work"?	Yes
17  4	Where, in James, is it written, "Let endurance have its perfect work"?	James 1:4
17  5	In James 1:5, what follows "But if any of you lacks wisdom, let him ask of God, who gives to all liberally and without reproach"?	And it will be given to him
17  5	Are these the words of James 1: "and it will be given to him"?	Yes
17  5	Give the missing word: "who gives to all liberally and without ___, and it will"	Reproach
17  5	Finish this verse, James 1:5: "But if any of you lacks wisdom, let him ask of God, who gives to all liberally and without reproach ..."	And it will be given to him
17  6	According to James 1:6, what follows "But let him ask in faith, without any doubting, for he who doubts is like a wave of the sea"?	Driven by the wind and tossed
17  6	Can you finish this: "But let him ask in faith ..."?	Without any doubting, for he who doubts is like a wave of the sea, driven by the wind and tossed
17  6	Why does James say, "but let him ask in faith, without any doubting"?	For he who doubts is like a wave of the sea, driven by the wind and tossed
17  7	Is it written in James 1:7, "For that man shouldn't think that he will receive anything from the Lord"?	Yes
17  7	Give the reference: "For that man shouldn't think that he will receive anything from the Lord"	James 1:7
17  7	What word is missing in James 1:7: "For that man ___ think that he will receive"?	Shouldn't
17  7	Quote James 1:7.	For that man shouldn't think that he will receive anything from the Lord.
17  7	Do we read in James 1:7, "For that man shouldn't think that he will receive anything from the Lord"?	Yes
17  8	Does James 1:8 say, "unstable in all his ways"?	Yes
17  9	Which chapter of James says, "Let the brother in humble circumstances glory in his high position"?	Chapter 1
17  9	Does James 1:9 say, "Let the brother in humble circumstances glory in his high position"?	Yes
17  9	Fill in the missing word from James 1:9: "Let the brother in ___ circumstances glory in his high"	Humble
17  9	Quote James 1:9.	Let the brother in humble circumstances glory in his high position;
17  9	Are these the words of James 1: "Let the brother in humble circumstances glory in his high position"?	Yes
17  9	Where, in James, is it written, "Let the brother in humble circumstances glory in his high position"?	James 1:9
17 10	True or false: James 1:10 says, "because like the flower in the grass"	True
17 11	What follows "For the sun arises with the scorching wind and withers the grass"?	And the flower in it falls, and the beauty of its appearance perishes. So the rich man will also fade away in his pursuits
17 11	Give the missing word: "and the beauty of its ___ perishes"	Appearance
17 11	Can you finish this: "For the sun arises with the scorching wind and withers the grass; and the flower in it falls, and the beauty of its appearance perishes ..."?	So the rich man will also fade away in his pursuits
17 11	Which verse of James 1 says, "For the sun arises with the scorching wind and withers the grass"?	Verse 11
17 11	Quote James 1:11.	For the sun arises with the scorching wind and withers the grass; and the flower in it falls, and the beauty of its appearance perishes. So the rich man will also fade away in his pursuits.
17 12	According to James 1:12, who promised to those who love him?	The Lord
17 12	Why does James say, "blessed is a person who endures temptation"?	For when he has been approved, he will receive the crown of life which the Lord promised to
17 12	Did James write, "he will receive the crown of life which the Lord promised to those who love him"?	Yes
17 12	In which verse of James 1 do we read, "Blessed is a person who endures temptation"?	Verse 12
17 13	According to James 1:13, why I am tempted by God?	For God can't be tempted by evil, and he himself tempts no one
17 13	Was it James who wrote, "I am tempted by God"?	Yes
17 13	When tempted, what should no one say?	"I am tempted by God"
17 14	Which verse of James 1 says, "But each one is tempted when he is drawn away by his own lust and enticed"?	Verse 14
17 14	Recite James 1:14.	But each one is tempted when he is drawn away by his own lust and enticed.
17 14	How does James finish this: "But each one is tempted when he is drawn away ..."?	By his own lust and enticed
17 15	Can you finish this: "Then the lust, when it has conceived, bears sin. The sin ..."?	When it is full grown, produces death
17 15	In which verse of James 1 do we read, "when it is full grown"?	Verse 15
17 15	When does James 1:15 say, "Then the lust"?	When it has conceived
17 16	Finish this: "Don't be deceived ..."	My beloved brothers
17 16	What follows "Don't be deceived" in James 1:16?	My beloved brothers
17 16	Quote James 1:16.	Don't be deceived, my beloved brothers.
17 18	Give the reference: "Of his own will he gave birth to us by the word of truth"	James 1:18
17 18	Did James write, "that we should be a kind of first fruits of his creatures"?	Yes
17 18	How does James finish this: "Of his own will he gave birth to us ..."?	By the word of truth
17 18	Can you finish this: "Of his own will he gave birth to us by the word of truth ..."?	That we should be a kind of first fruits of his creatures
17 18	In James 1:18, what follows "Of his own will he gave birth to us by the word of truth"?	That we should be a kind of first fruits of his creatures
17 18	Quote James 1:18.	Of his own will he gave birth to us by the word of truth, that we should be a kind of first fruits of his creatures.
17 20	Name the chapter of James that says, "for the anger of man doesn't produce the righteousness of God"	Chapter 1
17 20	Whose righteousness does James 1:20 speak of?	The righteousness of God
17 20	Do we read in James 1:20, "for the anger of man doesn't produce the righteousness of God"?	Yes
17 21	In James 1:21, what follows "Therefore, putting away all filthiness and overflowing of wickedness, receive with humility the implanted word"?	Which is able to save your souls
17 21	Which chapter of James says, "receive with humility the implanted word"?	Chapter 1
17 22	What word is missing in James 1:22: "and not only ___, deluding your own"?	Hearers
17 22	Are these the words of James 1: "But be doers of the word"?	Yes
17 22	Finish this: "But be doers of the word ..."	And not only hearers, deluding your own selves
17 22	Whose hearers only deceive themselves?	Those who are not doers of the word
17 22	Will you quote James 1:22?	But be doers of the word, and not only hearers, deluding your own selves.
17 23	What follows "For if anyone is a hearer of the word and not a doer" in James 1:23?	He is like a man looking at his natural face in a mirror
17 24	Was it James who wrote, "and immediately forgets what kind of man he was"?	Yes
17 24	Where in James 1 do we read, "and immediately forgets what kind of man he was"?	Verse 24
17 24	What word is missing in James 1:24: "and ___ forgets what kind of man"?	Immediately
17 24	What follows "for he sees himself, and goes away"?	And immediately forgets what kind of man he was
17 24	Finish this verse, James 1:24: "for he sees himself ..."	And goes away, and immediately forgets what kind of man he was
17 24	Will you quote James 1:24?	for he sees himself, and goes away, and immediately forgets what kind of man he was.
17 25	In which verse of James 1 do we read, "not being a hearer who forgets but a doer of the work"?	Verse 25
17 25	What follows "But he who looks into the perfect law of freedom and continues" in James 1:25?	Not being a hearer who forgets but a doer of the work, this man will be blessed in what he does
17 25	Recite James 1:25.	But he who looks into the perfect law of freedom and continues, not being a hearer who forgets but a doer of the work, this man will be blessed in what he does.
17 26	Finish this verse, James 1:26: "If anyone among you thinks himself to be religious while he doesn't bridle his tongue ..."	But deceives his heart, this man's religion is worthless
17 26	In James 1:26, what follows "If anyone among you thinks himself to be religious while he doesn't bridle his tongue, but deceives his heart"?	This man's religion is worthless
17 26	Name the chapter of James that says, "If anyone among you thinks himself to be religious while he doesn't bridle his tongue"	Chapter 1
17 27	What follows "Pure religion and undefiled before our God and Father is this: to visit the fatherless and widows in their affliction" in James 1:27?	And to keep oneself unstained by the world
17 27	Give the missing word: "visit the fatherless and widows in their ___, and to keep"	Affliction
17 27	Can you finish this: "Pure religion and undefiled before our God and Father is this: to visit the fatherless and widows in their affliction ..."?	And to keep oneself unstained by the world
18  1	Did James write, "don't hold the faith of our glorious Lord Jesus Christ with partiality"?	Yes
18  1	Which verse of James 2 says, "don't hold the faith of our glorious Lord Jesus Christ with partiality"?	Verse 1
18  1	What word completes this: "hold the faith of our glorious Lord ___ Christ with partiality"?	Jesus
18  2	Finish this: "For if a man with a gold ring ..."	In fine clothing, comes into your synagogue, and a poor man in filthy clothing also comes in
18  2	Which chapter of James says, "and a poor man in filthy clothing also comes in"?	Chapter 2
18  2	What follows "For if a man with a gold ring"?	In fine clothing, comes into your synagogue, and a poor man in filthy clothing also comes in
18  3	How, according to James 2:3, does this go on: "Stand there, or Sit ..."?	By my footstool
18  3	Finish this verse, James 2:3: "and you pay special attention to him who wears the fine clothing and say, Sit here in a good place; and you tell the poor man, Stand there ..."	Or Sit by my footstool
18  3	Quote James 2:3.	and you pay special attention to him who wears the fine clothing and say, "Sit here in a good place;" and you tell the poor man, "Stand there," or "Sit by my footstool"
18  3	Fill in the missing word from James 2:3: "and you pay ___ attention to him who wears"	Special
18  4	Does James 2:4 say, "and become judges with evil thoughts"?	Yes
18  4	What follows "haven't you shown partiality among yourselves"?	And become judges with evil thoughts
18  5	Finish this verse, James 2:5: "Listen, my beloved brothers ..."	Didn't God choose those who are poor in this world to be rich in faith and heirs of the Kingdom which he promised to those who love him
18  5	Where in James 2 do we read, "Didn't God choose those who are poor in this world to be rich in faith and heirs of the Kingdom which he promised to those who love him"?	Verse 5
18  5	What word is missing in James 2:5: "and heirs of the Kingdom which he ___ to those who love him"?	Promised
18  6	Do we read in James 2:6, "Don't the rich oppress you and personally drag you before the courts"?	Yes
18  6	What word completes this: "But you have ___ the poor man"?	Dishonored
18  7	Will you quote James 2:7?	Don't they blaspheme the honorable name by which you are called?
18  8	Give the reference: "You shall love your neighbor as yourself"	James 2:8
18  9	Where in James 2 do we read, "being convicted by the law as transgressors"?	Verse 9
18  9	Is it written in James 2:9, "being convicted by the law as transgressors"?	Yes
18  9	How does James finish this: "But if you show partiality, you commit sin, being convicted ..."?	By the law as transgressors
18 10	Does James 2:10 say, "he has become guilty of all"?	Yes
18 10	In James 2:10, what follows "For whoever keeps the whole law, and yet stumbles in one point"?	He has become guilty of all
18 10	In which verse of James 2 do we read, "he has become guilty of all"?	Verse 10
18 11	Do we read in James 2:11, "you have become a transgressor of the law"?	Yes
18 12	How does James finish this: "and so do as men who are to be judged ..."?	By the law of freedom
18 12	Do we read in James 2:12, "So speak and so do as men who are to be judged by the law of freedom"?	Yes
18 14	Does James 2:14 say, "if a man says he has faith"?	Yes
18 14	Give the missing word: "if a man says he has ___, but has no"	Faith
18 14	Finish this: "What good is it, my brothers ..."	If a man says he has faith, but has no works? Can faith save him
18 15	Was it James who wrote, "And if a brother or sister is naked and in lack of daily food"?	Yes
18 15	Recite James 2:15.	And if a brother or sister is naked and in lack of daily food,
18 15	Fill in the missing word from James 2:15: "And if a brother or sister is ___ and in lack of daily"	Naked
18 15	Name the chapter of James that says, "And if a brother or sister is naked and in lack of daily food"	Chapter 2
18 15	Do we read in James 2:15, "And if a brother or sister is naked and in lack of daily food"?	Yes
18 15	Where, in James, is it written, "And if a brother or sister is naked and in lack of daily food"?	James 2:15
18 16	Name the chapter of James that says, "and one of you tells them"	Chapter 2
18 16	Can you finish this: "and one of you tells them, Go in peace. Be warmed and filled ..."?	Yet you didn't give them the things the body needs, what good is it
18 16	What follows "and one of you tells them, Go in peace. Be warmed and filled; yet you didn't give them the things the body needs" in James 2:16?	What good is it
18 16	Did James write, "and one of you tells them"?	Yes
18 16	What word completes this: "Be ___ and filled"?	Warmed
18 17	Are these the words of James 2: "if it has no works"?	Yes
18 17	According to James 2:17, what follows "Even so faith, if it has no works"?	Is dead in itself
18 17	Can you finish this: "Even so faith ..."?	If it has no works, is dead in itself
18 17	Give the reference: "if it has no works"	James 2:17
18 18	Where in James 2 do we read, "and I will show you my faith by my works"?	Verse 18
18 18	What follows "Yes, a man will say, You have faith"?	And I have works. Show me your faith without works, and I will show you my faith by my works
18 18	How does James finish this: "and I will show you my faith ..."?	By my works
18 19	Give the missing word: "The ___ also believe--and shudder"	Demons
18 19	Did James write, "The demons also believe--and shudder"?	Yes
18 19	What follows "You believe that God is one"?	You do well. The demons also believe--and shudder
18 20	What word is missing in James 2:20: "that faith ___ from works is dead"?	Apart
18 20	Recite James 2:20.	But do you want to know, vain man, that faith apart from works is dead?
18 20	Is it written in James 2:20, "But do you want to know"?	Yes
18 20	In James 2:20, what follows "But do you want to know"?	Vain man, that faith apart from works is dead
18 22	Can you finish this: "You see that faith worked with his works ..."?	And by works faith was perfected
18 22	How does James finish this: "You see that faith worked with his works, and ..."?	By works faith was perfected
18 23	Can you finish this: "So the Scripture was fulfilled which says, Abraham believed God, and it was accounted to him as righteousness ..."?	And he was called the friend of God
18 23	Give the missing word: "So the ___ was fulfilled which says"	Scripture
18 23	Was it James who wrote, "So the Scripture was fulfilled which says"?	Yes
18 23	In James 2:23, what follows "So the Scripture was fulfilled which says, Abraham believed God"?	And it was accounted to him as righteousness, and he was called the friend of God
18 23	Whose, according to James 2:23, is the friend?	God's
18 24	True or false: James 2:24 says, "and not only by faith"	True
18 24	How, according to James 2:24, does this go on: "You see then that ..."?	By works a man is justified
18 24	Which chapter of James says, "and not only by faith"?	Chapter 2
18 25	When, according to James 2:25, "wasn't Rahab the prostitute also justified by works"?	When she received the messengers and sent them out another way
18 25	Can you finish this: "In the same way ..."?	Wasn't Rahab the prostitute also justified by works when she received the messengers and sent them out another way
18 25	What word is missing in James 2:25: "wasn't ___ the prostitute also justified by"?	Rahab
18 26	Finish this: "For as the body apart from the spirit is dead ..."	Even so faith apart from works is dead
19  1	Does James 3:1 say, "Let not many of you be teachers"?	Yes
19  1	Give the reference: "Let not many of you be teachers"	James 3:1
19  1	Give the missing word: "my ___, knowing that we"	Brothers
19  1	Finish this: "Let not many of you be teachers ..."	My brothers, knowing that we will receive heavier judgment
19  2	What word completes this: "doesn't stumble in word is a perfect ___, able to bridle"?	Person
19  2	True or false: James 3:2 says, "able to bridle the whole body also"	True
19  2	According to James 3:2, what follows "For we all stumble in many things. Anyone who doesn't stumble in word is a perfect person"?	Able to bridle the whole body also
19  3	Is it written in James 3:3, "and we guide their whole body"?	Yes
19  3	Recite James 3:3.	Indeed, we put bits into the horses' mouths so that they may obey us, and we guide their whole body.
19  3	Which verse of James 3 says, "we put bits into the horses' mouths so that they may obey us"?	Verse 3
19  3	Finish this: "Indeed, we put bits into the horses' mouths so that they may obey us ..."	And we guide their whole body
19  4	How does James finish this: "though they are so big and are driven ..."?	By fierce winds
19  4	Can you finish this: "Behold, the ships also, though they are so big and are driven by fierce winds ..."?	Are yet guided by a very small rudder, wherever the pilot desires
19  5	What follows "So the tongue is also a little member, and boasts great things"?	See how a small fire can spread to a large forest
19  5	Was it James who wrote, "So the tongue is also a little member"?	Yes
19  6	Finish this: "And the tongue is a fire ..."	The world of iniquity among our members is the tongue, which defiles the whole body, and sets on fire the course of nature, and is set on fire by Gehenna
19  6	According to James 3:6, what is the tongue?	A fire
19  6	Give the missing word: "The ___ of iniquity among our members"	World
19  7	Finish this: "For every kind of animal, bird ..."	Creeping thing, and sea creature is tamed, and has been tamed by mankind
19  8	Does James 3:8 say, "but nobody can tame the tongue"?	Yes
19  9	Finish this: "With it we bless our God and Father ..."	And with it we curse men who are made in the image of God
19 11	True or false: James 3:11 says, "Does a spring send out from the same opening fresh and bitter water"	True
19 13	Does James 3:13 say, "Who is wise and understanding among you"?	Yes
19 13	In James 3:13, what follows "Who is wise and understanding among you"?	Let him show by his good conduct that his deeds are done in gentleness of wisdom
19 13	Which verse of James 3 says, "Let him show by his good conduct that his deeds are done in gentleness of wisdom"?	Verse 13
19 13	Fill in the missing word from James 3:13: "show by his good conduct that his ___ are done in gentleness of"	Deeds
19 13	Recite James 3:13.	Who is wise and understanding among you? Let him show by his good conduct that his deeds are done in gentleness of wisdom.
19 13	How does James finish this: "Let him show ..."?	By his good conduct that his deeds are done in
19 14	What word is missing in James 3:14: "But if you have bitter ___ and selfish ambition in your"?	Jealousy
19 14	Are these the words of James 3: "But if you have bitter jealousy and selfish ambition in your heart"?	Yes
19 14	What follows "But if you have bitter jealousy and selfish ambition in your heart"?	Don't boast and don't lie against the truth
19 15	Can you finish this: "This wisdom is not that which comes down from above, but is earthly ..."?	Sensual, and demonic
19 15	Fill in the missing word from James 3:15: "but is earthly, ___, and demonic"	Sensual
19 16	What follows "For where jealousy and selfish ambition are"?	There is confusion and every evil deed
19 16	Are these the words of James 3: "there is confusion and every evil deed"?	Yes
19 17	Do we read in James 3:17, "full of mercy and good fruits"?	Yes
19 17	In which verse of James 3 do we read, "But the wisdom that is from above is first pure"?	Verse 17
19 18	Fill in the missing word from James 3:18: "the fruit of righteousness is sown in ___ by those who make peace"	Peace
19 18	Which chapter of James says, "Now the fruit of righteousness is sown in peace by those who make peace"?	Chapter 3
19 18	How does James finish this: "Now the fruit of righteousness is sown in peace ..."?	By those who make peace
19 18	True or false: James 3:18 says, "Now the fruit of righteousness is sown in peace by those who make peace"	True
19 18	What is the fruit of righteousness?	Sown in peace by those who make peace
20  1	Where these wars and fightings come from, what is at war in your members?	Your pleasures
20  1	Where do wars and fightings among you come from?	Your pleasures that war in your members
20  2	Recite James 4:2.	You lust, and don't have. You murder and covet, and can't obtain. You fight and make war. You don't have, because you don't ask.
20  3	Finish this: "You ask, and don't receive, because you ask with wrong motives ..."	So that you may spend it on your pleasures
20  3	According to James 4:3, what follows "You ask, and don't receive, because you ask with wrong motives"?	So that you may spend it on your pleasures
20  3	Did James write, "because you ask with wrong motives"?	Yes
20  4	Does James 4:4 say, "don't you know that friendship with the world is hostility toward God"?	Yes
20  4	Can you finish this: "You adulterers and adulteresses ..."?	Don't you know that friendship with the world is hostility toward God? Whoever therefore wants to be a friend of the world makes himself an enemy of God
20  4	Will you quote James 4:4?	You adulterers and adulteresses, don't you know that friendship with the world is hostility toward God? Whoever therefore wants to be a friend of the world makes himself an enemy of God.
20  5	True or false: James 4:5 says, "Or do you think that the Scripture says in vain"	True
20  5	Finish this: "Or do you think that the Scripture says in vain ..."	The Spirit who lives in us yearns jealously
20  5	Which verse of James 4 says, "Or do you think that the Scripture says in vain"?	Verse 5
20  5	What word completes this: "The ___ who lives in us yearns"?	Spirit
20  5	What follows "Or do you think that the Scripture says in vain"?	The Spirit who lives in us yearns jealously
20  5	Quote James 4:5.	Or do you think that the Scripture says in vain, "The Spirit who lives in us yearns jealously"?
20  6	Finish this: "But he gives more grace. Therefore it says, God resists the proud ..."	But gives grace to the humble
20  6	What follows "But he gives more grace. Therefore it says"?	God resists the proud, but gives grace to the humble
20  6	Do we read in James 4:6, "But he gives more grace"?	Yes
20  6	What word is missing in James 4:6: "but ___ grace to the humble"?	Gives
20  6	Will you quote James 4:6?	But he gives more grace. Therefore it says, "God resists the proud, but gives grace to the humble."
20  6	Which chapter of James says, "but gives grace to the humble"?	Chapter 4
20  7	What follows "Be subject therefore to God"?	Resist the devil, and he will flee from you
20  7	Did James write, "and he will flee from you"?	Yes
20  7	Can you finish this: "Be subject therefore to God ..."?	Resist the devil, and he will flee from you
20  8	Finish this verse, James 4:8: "Draw near to God ..."	And he will draw near to you. Cleanse your hands, you sinners. Purify your hearts, you double-minded
20  8	Give the missing word: "Cleanse your ___, you sinners. Purify"	Hands
20  9	In James 4:9, what follows "Lament, mourn, and weep"?	Let your laughter be turned to mourning and your joy to gloom
20  9	Give the reference: "Let your laughter be turned to mourning and your joy to gloom"	James 4:9
20 10	Did James write, "and he will exalt you"?	Yes
20 10	Quote James 4:10.	Humble yourselves in the sight of the Lord, and he will exalt you.
20 10	What word completes this: "Humble yourselves in the ___ of the Lord"?	Sight
20 10	Where in James 4 do we read, "Humble yourselves in the sight of the Lord"?	Verse 10
20 10	According to James 4:10, what follows "Humble yourselves in the sight of the Lord"?	And he will exalt you
20 10	Finish this: "Humble yourselves in the sight of the Lord ..."	And he will exalt you
20 11	Will you quote James 4:11?	Don't speak against one another, brothers. He who speaks against a brother and judges his brother, speaks against the law and judges the law. But if you judge the law, you are not a doer of the law but a judge.
20 12	Quote James 4:12.	Only one is the lawgiver, who is able to save and to destroy. But who are you to judge another?
20 12	Finish this verse, James 4:12: "Only one is the lawgiver, who is able to save and to destroy ..."	But who are you to judge another
20 12	What word completes this: "who is able to save and to ___. But who are"?	Destroy
20 12	What follows "Only one is the lawgiver" in James 4:12?	Who is able to save and to destroy. But who are you to judge another
20 12	Is it written in James 4:12, "who is able to save and to destroy"?	Yes
20 13	Where, in James, is it written, "Today or tomorrow let's go into this city and spend a year there"?	James 4:13
20 13	Finish this: "Come now, you who say, Today or tomorrow let's go into this city and spend a year there, trade ..."	And make a profit
20 13	Is it written in James 4:13, "Today or tomorrow let's go into this city and spend a year there"?	Yes
20 13	Will you quote James 4:13?	Come now, you who say, "Today or tomorrow let's go into this city and spend a year there, trade, and make a profit."
20 14	Which verse of James 4 says, "Yet you don't know what your life will be like tomorrow"?	Verse 14
20 14	Quote James 4:14.	Yet you don't know what your life will be like tomorrow. For what is your life? For you are a vapor that appears for a little time and then vanishes away.
20 15	Do we read in James 4:15, "and do this or that"?	Yes
20 15	Which verse of James 4 says, "and do this or that"?	Verse 15
20 16	Can you finish this: "But now you glory in your boasting ..."?	All such boasting is evil
20 16	Recite James 4:16.	But now you glory in your boasting. All such boasting is evil.
20 16	Does James 4:16 say, "But now you glory in your boasting"?	Yes
20 16	In James 4:16, what follows "But now you glory in your boasting"?	All such boasting is evil
20 16	Fill in the missing word from James 4:16: "But now you glory in your ___. All such boasting"	Boasting
20 16	Where, in James, is it written, "But now you glory in your boasting"?	James 4:16
20 17	Name the chapter of James that says, "to him it is sin"	Chapter 4
20 17	According to James 4:17, what follows "To him therefore who knows to do good and doesn't do it"?	To him it is sin
20 17	Are these the words of James 4: "To him therefore who knows to do good and doesn't do it"?	Yes
20 17	Finish this: "To him therefore who knows to do good and doesn't do it ..."	To him it is sin
21  2	Recite James 5:2.	Your riches are corrupted and your garments are moth-eaten.
21  2	Name the chapter of James that says, "Your riches are corrupted and your garments are moth-eaten"	Chapter 5
21  2	Is it written in James 5:2, "Your riches are corrupted and your garments are moth-eaten"?	Yes
21  3	According to James 5:3, what follows "Your gold and your silver are corroded, and their corrosion will be for a testimony against you and will eat your flesh like fire"?	You have laid up your treasure in the last days
21  3	Give the missing word: "Your gold and your silver are ___, and their corrosion"	Corroded
21  3	Is it written in James 5:3, "Your gold and your silver are corroded"?	Yes
21  3	Finish this verse, James 5:3: "Your gold and your silver are corroded, and their corrosion will be for a testimony against you and will eat your flesh like fire ..."	You have laid up your treasure in the last days
21  4	According to James 5:4, what follows "Behold, the wages of the laborers who mowed your fields"?	Which you have kept back by fraud, cry out; and the cries of those who reaped have entered into the ears of the Lord of Armies
21  4	Recite James 5:4.	Behold, the wages of the laborers who mowed your fields, which you have kept back by fraud, cry out; and the cries of those who reaped have entered into the ears of the Lord of Armies.
21  4	Are these the words of James 5: "and the cries of those who reaped have entered into the ears of the Lord of Armies"?	Yes
21  4	Can you finish this: "Behold, the wages of the laborers who mowed your fields, which you have kept back by fraud, cry out ..."?	And the cries of those who reaped have entered into the ears of the Lord of Armies
21  6	Can you finish this: "You have condemned and you have murdered the righteous one ..."?	He doesn't resist you
21  7	In which verse of James 5 do we read, "until the coming of the Lord"?	Verse 7
21  7	Finish this: "Be patient therefore, brothers, until the coming of the Lord ..."	Behold, the farmer waits for the precious fruit of the earth, being patient over it, until it receives the early and late rain
21  8	Can you finish this: "You also be patient. Establish your hearts ..."?	For the coming of the Lord is at hand
21  8	According to James 5:8, why establish your hearts?	For the coming of the Lord is at hand
21  9	What follows "Don't grumble, brothers, against one another" in James 5:9?	So that you won't be judged. Behold, the judge stands at the door
21 10	Is it written in James 5:10, "the prophets who spoke in the name of the Lord"?	Yes
21 10	Finish this: "Take, brothers, for an example of suffering and of perseverance ..."	The prophets who spoke in the name of the Lord
21 11	Are these the words of James 5: "You have heard of the perseverance of Job and have seen the Lord in the outcome"?	Yes
21 11	What word is missing in James 5:11: "You have heard of the ___ of Job and have seen"?	Perseverance
21 11	Whose perseverance does James 5:11 speak of?	The perseverance of Job
21 11	What follows "Behold, we call them blessed who endured. You have heard of the perseverance of Job and have seen the Lord in the outcome" in James 5:11?	And how the Lord is full of compassion and mercy
21 12	How does James finish this: "But above all things, my brothers, don't swear-- not ..."?	By heaven
21 12	Finish this: "But above all things ..."	My brothers, don't swear-- not by heaven, or by the earth, or by any other oath; but let your yes be yes, and your no, no, so that you don't fall into hypocrisy
21 12	Will you quote James 5:12?	But above all things, my brothers, don't swear-- not by heaven, or by the earth, or by any other oath; but let your "yes" be "yes", and your "no", "no", so that you don't fall into hypocrisy.
21 13	Quote James 5:13.	Is any among you suffering? Let him pray. Is any cheerful? Let him sing praises.
21 14	Where, in James, is it written, "and let them pray over him"?	James 5:14
21 14	What word completes this: "him call for the elders of the ___, and let them"?	Assembly
21 14	Can you finish this: "Is any among you sick? Let him call for the elders of the assembly ..."?	And let them pray over him, anointing him with oil in the name of the Lord
21 14	Will you quote James 5:14?	Is any among you sick? Let him call for the elders of the assembly, and let them pray over him, anointing him with oil in the name of the Lord;
21 15	Quote James 5:15.	and the prayer of faith will heal him who is sick, and the Lord will raise him up. If he has committed sins, he will be forgiven.
21 15	Which verse of James 5 says, "If he has committed sins"?	Verse 15
21 16	Fill in the missing word from James 5:16: "to one another and pray for one ___, that you may"	Another
21 16	Does James 5:16 say, "The insistent prayer of a righteous person is powerfully effective"?	Yes
21 16	Where in James 5 do we read, "The insistent prayer of a righteous person is powerfully effective"?	Verse 16
21 16	What follows "Confess your sins to one another and pray for one another"?	That you may be healed. The insistent prayer of a righteous person is powerfully effective
21 17	Who was a man with a nature like ours?	Elijah
21 17	Name the chapter of James that says, "and he prayed earnestly that it might not rain"	Chapter 5
21 18	Finish this verse, James 5:18: "He prayed again ..."	And the sky gave rain, and the earth produced its fruit
21 19	Did James write, "if any among you wanders from the truth and someone turns him back"?	Yes
21 19	Name the chapter of James that says, "if any among you wanders from the truth and someone turns him back"	Chapter 5
21 20	Quote James 5:20.	let him know that he who turns a sinner from the error of his way will save a soul from death and will cover a multitude of sins.
21 20	Was it James who wrote, "let him know that he who turns a sinner from the error of his way will save a soul from death and will cover a multitude of sins"?	Yes
21 20	Which chapter of James says, "let him know that he who turns a sinner from the error of his way will save a soul from death and will cover a multitude of sins"?	Chapter 5
21 20	Give the missing word: "him know that he who turns a ___ from the error of his"	Sinner
