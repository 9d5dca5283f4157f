 1  3	CV	what word completes this: "who was born of the ___ of David according to the"?	Offspring
 1  3	CV	what follows "concerning his Son"?	Who was born of the offspring of David according to the flesh
 1  5	CV	what word completes this: "whom we received grace and apostleship for ___ of faith among all the"?	Obedience
 1  6	CV	give the missing word: "among whom you are also called to ___ to Jesus Christ"	Belong
 1  8	CV	how does Paul finish this: "First, I thank my God ..."?	Through Jesus Christ for all of you
 1 10	CV	how does Paul finish this: "by any means now at last I may be prospered ..."?	By the will of God to come to you
 1 13	CV	give the missing word: "that I ___ planned to come to you"	Often
 1 13	CV	what follows "Now I don't desire to have you unaware, brothers"?	That I often planned to come to you and was hindered so far, that I might have some fruit among you also, even as among the rest of the Gentiles
 1 19	CV	what word completes this: "because that which is ___ of God is revealed in"?	Known
 1 20	CV	what follows "For the invisible things of him since the creation of the world are clearly seen, being perceived through the things that are made, even his everlasting power and divinity"?	That they may be without excuse
 1 21	CV	what follows "Because knowing God, they didn't glorify him as God"?	And didn't give thanks, but became vain in their reasoning, and their senseless heart was darkened
 1 22	CV	what follows "Professing themselves to be wise"?	They became fools
 1 25	CV	what follows "who exchanged the truth of God for a lie, and worshiped and served the creature rather than the Creator"?	Who is blessed forever. Amen
 1 26	CV	what follows "For this reason, God gave them up to vile passions"?	For their women changed the natural function into that which is against nature
 1 26	CV	who gave them up to vile passions?	God
 1 27	CV	what word completes this: "Likewise also the men, ___ the natural function of the"?	Leaving
 1 28	CV	what follows "Even as they refused to have God in their knowledge"?	God gave them up to a reprobate mind, to do those things which are not fitting
 1 29	CV	what follows "being filled with all unrighteousness, sexual immorality, wickedness, covetousness, malice; full of envy, murder"?	Strife, deceit, evil habits, secret slanderers
 1 30	CV	what follows "backbiters, hateful to God, insolent, arrogant, boastful, inventors of evil things"?	Disobedient to parents
 1 30	CV	give the missing word: "boastful, ___ of evil things"	Inventors
 1 31	CV	what follows "without understanding, covenant breakers"?	Without natural affection, unforgiving, unmerciful
 1 32	CV	what follows "who, knowing the ordinance of God, that those who practice such things are worthy of death"?	Not only do the same, but also approve of those who practice them
 2  2	CV	give the missing word: "We know that the ___ of God is according to"	Judgment
 2  4	CV	give the missing word: "do you despise the riches of his ___, forbearance, and patience"	Goodness
 2  5	CV	what word completes this: "for yourself wrath in the day of ___, revelation, and of"?	Wrath
 2  7	CV	what follows "to those who by perseverance in well-doing seek for glory"?	Honor, and incorruptibility, eternal life
 2  8	CV	give the missing word: "but obey ___, will be wrath"	Unrighteousness
 2  8	CV	what follows "but to those who are self-seeking and don't obey the truth, but obey unrighteousness"?	Will be wrath, indignation
 2  9	CV	give the missing word: "and ___ on every soul of man"	Anguish
 2 13	CV	what follows "For it isn't the hearers of the law who are righteous before God"?	But the doers of the law will be justified
 2 13	CV	what word completes this: "but the ___ of the law will be"?	Doers
 2 16	CV	how does Paul finish this: "according to my Good News ..."?	By Jesus Christ
 2 16	CV	what follows "in the day when God will judge the secrets of men, according to my Good News"?	By Jesus Christ
 2 19	CV	what are a light to those who?	In darkness
 2 20	CV	what follows "a corrector of the foolish"?	A teacher of babies, having in the law the form of knowledge and of the truth
 2 23	CV	how does Paul finish this: "You who glory in the law, do you dishonor God ..."?	By disobeying the law
 2 23	CV	what follows "You who glory in the law"?	Do you dishonor God by disobeying the law
 2 25	CV	what follows "For circumcision indeed profits, if you are a doer of the law"?	But if you are a transgressor of the law, your circumcision has become uncircumcision
 2 25	CV	what word completes this: "but if you are a ___ of the law"?	Transgressor
 2 26	CV	what word completes this: "keep the ordinances of the law, ___ his uncircumcision be accounted as"?	Won't
 2 27	CV	what word completes this: "Won't those who are physically ___, but fulfill the"?	Uncircumcised
 2 27	CV	what follows "Won't those who are physically uncircumcised"?	But fulfill the law, judge you, who with the letter and circumcision are a transgressor of the law
 2 28	CV	give the missing word: "neither is that ___ which is outward in the"	Circumcision
 2 28	CV	what follows "For he is not a Jew who is one outwardly"?	Neither is that circumcision which is outward in the flesh
 2 29	CV	give the missing word: "he is a Jew who is one ___, and circumcision is"	Inwardly
 2 29	CV	what follows "but he is a Jew who is one inwardly, and circumcision is that of the heart, in the spirit, not in the letter; whose praise is not from men"?	But from God
 3  2	CV	what word completes this: "Because ___ of all"?	First
 3  3	CV	what word completes this: "Will their lack of faith nullify the ___ of God"?	Faithfulness
 3  3	CV	what follows "For what if some were without faith"?	Will their lack of faith nullify the faithfulness of God
 3  4	CV	what follows "May it never be! Yes, let God be found true, but every man a liar"?	As it is written, that you might be justified in your words, and might prevail when you come into judgment
 3  4	CV	give the missing word: "that you might be ___ in your words"	Justified
 3  6	CV	what word completes this: "For then how will God ___ the world"?	Judge
 3  7	CV	how does Paul finish this: "For if the truth of God ..."?	Through my lie abounded to his glory
 3  8	CV	what follows "Why not as we are slanderously reported, and as some affirm that we say, Let's do evil"?	That good may come? Those who say so are justly condemned
 3 10	CV	what follows "As it is written, There is no one righteous"?	No, not one
 3 11	CV	give the missing word: "There is no one who ___ after God"	Seeks
 3 12	CV	give the missing word: "They have all ___ away"	Turned
 3 13	CV	what is the poison of vipers?	Under their lips
 3 14	CV	give the missing word: "Their mouth is full of ___ and bitterness"	Cursing
 3 15	CV	what are their feet?	Swift to shed blood
 3 16	CV	what word completes this: "Destruction and ___ are in their ways"?	Misery
 3 19	CV	give the missing word: "and all the ___ may be brought under the"	World
 3 21	CV	what follows "But now apart from the law"?	A righteousness of God has been revealed, being testified by the law and the prophets
 3 22	CV	how does Paul finish this: "even the righteousness of God ..."?	Through faith in Jesus Christ to all and on all
 3 22	CV	give the missing word: "even the righteousness of God through ___ in Jesus Christ to all"	Faith
 3 23	CV	what word completes this: "for all have ___, and fall short"?	Sinned
 3 24	CV	give the missing word: "justified freely by his grace through the ___ that is in Christ Jesus"	Redemption
 3 24	CV	how does Paul finish this: "being justified freely ..."?	By his grace through the redemption that is in Christ
 3 25	CV	who sent to be an atoning sacrifice through faith in his blood?	God
 3 26	CV	give the missing word: "to demonstrate his ___ at this present time"	Righteousness
 3 27	CV	what follows "Where then is the boasting? It is excluded. By what kind of law? Of works? No"?	But by a law of faith
 3 27	CV	what word completes this: "Of ___? No, but by"?	Works
 3 28	CV	give the missing word: "is justified by faith apart from the ___ of the law"	Works
 4  1	CV	give the missing word: "has ___ according to the flesh"	Found
 4  6	CV	who also pronounces blessing on the man to whom God counts righteousness apart from works?	David
 4  7	CV	what follows "Blessed are they whose iniquities are forgiven"?	Whose sins are covered
 4  9	CV	what follows "Is this blessing then pronounced only on the circumcised, or on the uncircumcised also"?	For we say that faith was accounted to Abraham for righteousness
 4  9	CV	what word completes this: "this blessing then pronounced only on the ___, or on the"?	Circumcised
 4 11	CV	give the missing word: "that ___ might also be accounted to"	Righteousness
 4 12	CV	what follows "He is the father of circumcision to those who not only are of the circumcision"?	But who also walk in the steps of that faith of our father Abraham, which he had in uncircumcision
 4 13	CV	how does Paul finish this: "offspring that he would be heir of the world wasn't ..."?	Through the law
 4 14	CV	give the missing word: "those who are of the law are ___, faith is made"	Heirs
 4 15	CV	why does Paul say, "for the law produces wrath"?	For where there is no law, neither is there disobedience
 4 17	CV	what follows "As it is written"?	I have made you a father of many nations. This is in the presence of him whom he believed: God, who gives life to the dead, and calls the things that are not, as though they were
 4 19	CV	what follows "Without being weakened in faith, he didn't consider his own body"?	Already having been worn out, he being about a hundred years old, and the deadness of Sarah's womb
 4 19	CV	what word completes this: "already ___ been worn out"?	Having
 4 20	CV	give the missing word: "but grew strong through ___, giving glory to"	Faith
 4 21	CV	what follows "and being fully assured that what he had promised"?	He was also able to perform
 4 21	CV	give the missing word: "and being ___ assured that what he had"	Fully
 4 23	CV	what word completes this: "Now it was not ___ that it was accounted to"?	Written
 4 24	CV	what follows "but for our sake also, to whom it will be accounted"?	Who believe in him who raised Jesus our Lord from the dead
 4 25	CV	what word completes this: "and was ___ for our justification"?	Raised
 4 25	CV	what follows "who was delivered up for our trespasses"?	And was raised for our justification
 5  1	CV	how does Paul finish this: "Being therefore justified ..."?	By faith
 5  2	CV	what follows "through whom we also have our access by faith into this grace in which we stand"?	We rejoice in hope of the glory of God
 5  3	CV	what follows "Not only this, but we also rejoice in our sufferings"?	Knowing that suffering produces perseverance
 5  4	CV	give the missing word: "and perseverance, ___ character"	Proven
 5  4	CV	what follows "and perseverance, proven character"?	And proven character, hope
 5  5	CV	why does Paul say, "and hope doesn't disappoint us"?	Because God's love has been poured into our hearts through the Holy Spirit who was given to us
 5  7	CV	what follows "For one will hardly die for a righteous man"?	Yet perhaps for a good person someone would even dare to die
 5  8	CV	who commends his own love toward us?	God
 5  9	CV	how does Paul finish this: "Much more then, being now justified ..."?	By his blood
 5 10	CV	what follows "For if while we were enemies, we were reconciled to God through the death of his Son, much more"?	Being reconciled, we will be saved by his life
 5 10	CV	how does Paul finish this: "we were reconciled to God ..."?	Through the death of his Son
 5 11	CV	how does Paul finish this: "Not only so, but we also rejoice in God ..."?	Through our Lord Jesus Christ
 5 12	CV	give the missing word: "as sin ___ into the world through one"	Entered
 5 15	CV	how does Paul finish this: "much more did the grace of God and the gift ..."?	By the grace of the one man
 5 15	CV	give the missing word: "For if by the ___ of the one the many"	Trespass
 5 17	CV	what follows "For if by the trespass of the one, death reigned through the one"?	So much more will those who receive the abundance of grace and of the gift of righteousness reign in life through the one, Jesus Christ
 5 19	CV	what follows "For as through the one man's disobedience many were made sinners"?	Even so through the obedience of the one, many will be made righteous
 5 19	CV	what word completes this: "the one man's disobedience many were made ___, even so through"?	Sinners
 5 20	CV	give the missing word: "The law came in that the ___ might abound"	Trespass
 5 21	CV	how does Paul finish this: "even so grace might reign ..."?	Through righteousness to eternal life through Jesus Christ our Lord
 5 21	CV	what follows "that as sin reigned in death"?	Even so grace might reign through righteousness to eternal life through Jesus Christ our Lord
 6  1	CV	what word completes this: "Shall we ___ in sin"?	Continue
 6  2	CV	what follows "May it never be"?	We who died to sin, how could we live in it any longer
 6  2	CV	what follows "May it never be! We who died to sin"?	How could we live in it any longer
 6  4	CV	how does Paul finish this: "We were buried therefore with him ..."?	Through baptism into death
 6  5	CV	what follows "For if we have become united with him in the likeness of his death"?	We will also be part of his resurrection
 6  7	CV	what word completes this: "For he who has died has been ___ from sin"?	Freed
 6  7	CV	give the missing word: "For he who has died has been ___ from sin"	Freed
 6  8	CV	what word completes this: "But if we died with ___, we believe that"?	Christ
 6  9	CV	what word completes this: "Death no longer has ___ over him"?	Dominion
 6 12	CV	what word completes this: "Therefore don't let sin reign in your ___ body"?	Mortal
 6 13	CV	what follows "Also, do not present your members to sin as instruments of unrighteousness, but present yourselves to God as alive from the dead"?	And your members as instruments of righteousness to God
 6 14	CV	what follows "For sin will not have dominion over you"?	For you are not under law, but under grace
 6 15	CV	why does Paul say, "shall we sin"?	Because we are not under law but under grace? May it never be
 6 16	CV	what follows "Don't you know that when you present yourselves as servants and obey someone, you are the servants of whomever you obey"?	Whether of sin to death, or of obedience to righteousness
 6 17	CV	what follows "But thanks be to God that, whereas you were bondservants of sin"?	You became obedient from the heart to that form of teaching to which you were delivered
 6 19	CV	what word completes this: "terms because of the weakness of your ___; for as you"?	Flesh
 6 21	CV	what is the end of those things?	Death
 6 23	CV	what follows "For the wages of sin is death"?	But the free gift of God is eternal life in Christ Jesus our Lord
 6 23	CV	what is the wages of sin?	Death
 7  2	CV	what follows "For the woman that has a husband is bound by law to the husband while he lives, but if the husband dies"?	She is discharged from the law of the husband
 7  3	CV	what follows "So then if, while the husband lives, she is joined to another man, she would be called an adulteress. But if the husband dies, she is free from the law"?	So that she is no adulteress, though she is joined to another man
 7  3	CV	what word completes this: "But if the ___ dies"?	Husband
 7  4	CV	how does Paul finish this: "you also were made dead to the law ..."?	Through the body of Christ
 7  4	CV	give the missing word: "that you would be ___ to another"	Joined
 7  5	CV	how does Paul finish this: "the sinful passions which were ..."?	Through the law worked in our members to bring out
 7  6	CV	what word completes this: "But now we have been ___ from the law"?	Discharged
 7  7	CV	give the missing word: "I ___ have known sin except through"	Wouldn't
 7  9	CV	what follows "I was alive apart from the law once, but when the commandment came"?	Sin revived and I died
 7 11	CV	how does Paul finish this: "for sin, finding occasion ..."?	Through the commandment
 7 12	CV	give the missing word: "and the commandment holy, ___, and good"	Righteous
 7 14	CV	what follows "For we know that the law is spiritual"?	But I am fleshly, sold under sin
 7 14	CV	what word completes this: "but I am ___, sold under sin"?	Fleshly
 7 15	CV	what follows "For I don't understand what I am doing. For I don't practice what I desire to do; but what I hate"?	That I do
 7 17	CV	what word completes this: "but sin which ___ in me"?	Dwells
 7 20	CV	what follows "But if what I don't desire"?	That I do, it is no more I that do it, but sin which dwells in me
 7 22	CV	give the missing word: "For I ___ in God's law after the"	Delight
 8  1	CV	give the missing word: "condemnation to those who are in Christ ___, who don't walk"	Jesus
 8  3	CV	how does Paul finish this: "in that it was weak ..."?	Through the flesh
 8  4	CV	what follows "that the ordinance of the law might be fulfilled in us who don't walk according to the flesh"?	But according to the Spirit
 8  5	CV	give the missing word: "but those who live according to the ___, the things of"	Spirit
 8  5	CV	what follows "For those who live according to the flesh set their minds on the things of the flesh"?	But those who live according to the Spirit, the things of the Spirit
 8  6	CV	what word completes this: "For the mind of the flesh is ___, but the mind"?	Death
 8  6	CV	what follows "For the mind of the flesh is death"?	But the mind of the Spirit is life and peace
 8  9	CV	give the missing word: "is so that the Spirit of God ___ in you"	Dwells
 8  9	CV	what follows "But you are not in the flesh but in the Spirit, if it is so that the Spirit of God dwells in you. But if any man doesn't have the Spirit of Christ"?	He is not his
 8 10	CV	what follows "If Christ is in you"?	The body is dead because of sin, but the spirit is alive because of righteousness
 8 12	CV	what follows "So then, brothers, we are debtors"?	Not to the flesh, to live after the flesh
 8 13	CV	how does Paul finish this: "you must die; but if ..."?	By the Spirit you put to death the deeds of
 8 13	CV	what follows "For if you live after the flesh"?	You must die; but if by the Spirit you put to death the deeds of the body, you will live
 8 14	CV	what follows "For as many as are led by the Spirit of God"?	These are children of God
 8 16	CV	what word completes this: "The Spirit himself ___ with our spirit that we"?	Testifies
 8 16	CV	what word completes this: "testifies with our spirit that we are ___ of God"?	Children
 8 17	CV	give the missing word: "if ___ we suffer with him"	Indeed
 8 18	CV	give the missing word: "sufferings of this present time are not ___ to be compared with the"	Worthy
 8 18	CV	what word completes this: "I consider that the sufferings of this ___ time are not worthy to"?	Present
 8 19	CV	what word completes this: "creation waits with eager expectation for the ___ of God to be revealed"?	Children
 8 20	CV	why does Paul say, "not of its own will, but"?	Because of him who subjected it, in hope
 8 22	CV	what word completes this: "For we know that the ___ creation groans and travails in"?	Whole
 8 23	CV	what follows "Not only so, but ourselves also"?	Who have the first fruits of the Spirit, even we ourselves groan within ourselves, waiting for adoption, the redemption of our body
 8 24	CV	give the missing word: "For we were ___ in hope"	Saved
 8 26	CV	who also helps our weaknesses?	The Spirit
 8 26	CV	why does Paul say, "in the same way, the Spirit also helps our weaknesses"?	For we don't know how to pray as we ought. But the Spirit himself makes intercession for us
 8 28	CV	what word completes this: "for those who are ___ according to his purpose"?	Called
 8 29	CV	give the missing word: "he also ___ to be conformed to the"	Predestined
 8 29	CV	what follows "For whom he foreknew, he also predestined to be conformed to the image of his Son"?	That he might be the firstborn among many brothers
 8 30	CV	what word completes this: "Whom he ___, those he also"?	Justified
 8 32	CV	what word completes this: "He who didn't ___ his own Son"?	Spare
 8 33	CV	give the missing word: "Who could bring a ___ against God's chosen ones"	Charge
 8 33	CV	what follows "Who could bring a charge against God's chosen ones"?	It is God who justifies
 8 34	CV	what follows "Who is he who condemns? It is Christ who died"?	Yes rather, who was raised from the dead, who is at the right hand of God, who also makes intercession for us
 8 38	CV	give the missing word: "nor things ___, nor things to"	Present
 8 39	CV	what follows "nor height, nor depth"?	Nor any other created thing will be able to separate us from God's love which is in Christ Jesus our Lord
 9  4	CV	what word completes this: "the ___, and the promises"?	Service
 9  4	CV	what follows "who are Israelites; whose is the adoption, the glory, the covenants, the giving of the law"?	The service, and the promises
 9  5	CV	what word completes this: "and from whom is Christ as ___ the flesh"?	Concerning
 9  7	CV	what follows "Neither, because they are Abraham's offspring"?	Are they all children. But, your offspring will be accounted as from Isaac
 9  9	CV	who will have a son?	Sarah
 9 11	CV	give the missing word: "that the purpose of God according to ___ might stand"	Election
 9 12	CV	what follows "it was said to her"?	The elder will serve the younger
 9 13	CV	what follows "Even as it is written"?	Jacob I loved, but Esau I hated
 9 14	CV	what word completes this: "Is there ___ with God"?	Unrighteousness
 9 14	CV	what follows "What shall we say then"?	Is there unrighteousness with God? May it never be
 9 15	CV	give the missing word: "will have mercy on whom I have ___, and I will"	Mercy
 9 16	CV	what follows "So then it is not of him who wills"?	Nor of him who runs, but of God who has mercy
 9 16	CV	what word completes this: "then it is not of him who ___, nor of him"?	Wills
 9 17	CV	what follows "For the Scripture says to Pharaoh"?	For this very purpose I caused you to be raised up, that I might show in you my power, and that my name might be proclaimed in all the earth
 9 18	CV	what follows "So then, he has mercy on whom he desires"?	And he hardens whom he desires
 9 23	CV	give the missing word: "which he ___ beforehand for glory--"	Prepared
 9 23	CV	what follows "and that he might make known the riches of his glory on vessels of mercy"?	Which he prepared beforehand for glory--
 9 25	CV	what follows "As he says also in Hosea, I will call them 'my people,' which were not my people"?	And her 'beloved,' who was not beloved
 9 25	CV	what word completes this: "I will call them 'my ___,' which were not my people"?	People
 9 26	CV	what follows "It will be that in the place where it was said to them"?	You are not my people,' there they will be called 'children of the living God
 9 27	CV	what follows "Isaiah cries concerning Israel, If the number of the children of Israel are as the sand of the sea"?	It is the remnant who will be saved
 9 31	CV	what follows "but Israel, following after a law of righteousness"?	Didn't arrive at the law of righteousness
 9 33	CV	what follows "even as it is written, Behold, I lay in Zion a stumbling stone and a rock of offense"?	And no one who believes in him will be disappointed
10  1	CV	what word completes this: "and my prayer to God is for ___, that they may"?	Israel
10  2	CV	give the missing word: "For I ___ about them that they have"	Testify
10  3	CV	give the missing word: "and seeking to establish their own ___, they didn't subject"	Righteousness
10  5	CV	what follows "For Moses writes about the righteousness of the law"?	The one who does them will live by them
10 11	CV	what follows "For the Scripture says"?	Whoever believes in him will not be disappointed
10 12	CV	give the missing word: "For there is no distinction ___ Jew and Greek"	Between
10 14	CV	what follows "How then will they call on him in whom they have not believed? How will they believe in him whom they have not heard"?	How will they hear without a preacher
10 16	CV	what word completes this: "But they didn't all ___ to the glad news"?	Listen
10 17	CV	what word completes this: "So faith comes by ___, and hearing by"?	Hearing
10 17	CV	how does Paul finish this: "So faith comes ..."?	By hearing
10 20	CV	how does Paul finish this: "Isaiah is very bold and says, I was found ..."?	By those who didn't seek me
10 21	CV	give the missing word: "All day long I ___ out my hands to a"	Stretched
11  1	CV	what follows "I ask then, did God reject his people? May it never be"?	For I also am an Israelite, a descendant of Abraham, of the tribe of Benjamin
11  2	CV	who didn't reject his people?	God
11  3	CV	what word completes this: "They have ___ down your altars"?	Broken
11  3	CV	what follows "Lord, they have killed your prophets. They have broken down your altars. I am left alone"?	And they seek my life
11  4	CV	give the missing word: "myself seven thousand men who have not ___ the knee to Baal"	Bowed
11  5	CV	give the missing word: "Even so too at this ___ time also there is a"	Present
11  6	CV	what word completes this: "then it is no longer of ___; otherwise grace is"?	Works
11  7	CV	what word completes this: "but the chosen ones ___ it"?	Obtained
11 11	CV	what follows "I ask then, did they stumble that they might fall? May it never be"?	But by their fall salvation has come to the Gentiles, to provoke them to jealousy
11 13	CV	what follows "For I speak to you who are Gentiles"?	Since then as I am an apostle to Gentiles, I glorify my ministry
11 14	CV	what word completes this: "by any means I may provoke to ___ those who are my flesh"?	Jealousy
11 15	CV	what word completes this: "of them is the reconciling of the ___, what would their"?	World
11 15	CV	what follows "For if the rejection of them is the reconciling of the world, what would their acceptance be"?	But life from the dead
11 17	CV	what follows "But if some of the branches were broken off, and you"?	Being a wild olive, were grafted in among them and became partaker with them of the root and of the richness of the olive tree
11 18	CV	what follows "don't boast over the branches"?	But if you boast, remember that it is not you who support the root, but the root supports you
11 19	CV	what follows "You will say then, Branches were broken off"?	That I might be grafted in
11 20	CV	what follows "True; by their unbelief they were broken off"?	And you stand by your faith. Don't be conceited, but fear
11 20	CV	give the missing word: "by their ___ they were broken off"	Unbelief
11 23	CV	what word completes this: "for God is able to ___ them in again"?	Graft
11 24	CV	what follows "For if you were cut out of that which is by nature a wild olive tree"?	And were grafted contrary to nature into a good olive tree, how much more will these, which are the natural branches, be grafted into their own olive tree
11 27	CV	what follows "This is my covenant with them"?	When I will take away their sins
11 29	CV	give the missing word: "For the ___ and the calling of God"	Gifts
11 31	CV	what word completes this: "that by the mercy ___ to you they may also"?	Shown
11 32	CV	what follows "For God has bound all to disobedience"?	That he might have mercy on all
11 32	CV	who has bound all to disobedience?	God
11 35	CV	what follows "Or who has first given to him"?	And it will be repaid to him again
11 35	CV	what word completes this: "Or who has first ___ to him"?	Given
12  2	CV	how does Paul finish this: "Don't be conformed to this world, but be transformed ..."?	By the renewing of your mind
12  2	CV	what word completes this: "may prove what is the good, ___, and perfect will"?	Well-pleasing
12  4	CV	what word completes this: "For even as we have many ___ in one body"?	Members
12  4	CV	what follows "For even as we have many members in one body"?	And all the members don't have the same function
12  7	CV	what follows "or service, let's give ourselves to service"?	Or he who teaches, to his teaching
12 10	CV	what follows "In love of the brothers be tenderly affectionate to one another"?	In honor prefer one another
12 11	CV	what word completes this: "not lagging in diligence, ___ in spirit"?	Fervent
12 13	CV	what follows "contributing to the needs of the saints"?	And given to hospitality
12 13	CV	give the missing word: "contributing to the needs of the ___, and given to"	Saints
12 14	CV	what follows "Bless those who persecute you; bless"?	And don't curse
12 16	CV	what follows "Be of the same mind one toward another"?	Don't set your mind on high things, but associate with the humble. Don't be wise in your own conceits
12 17	CV	what word completes this: "Repay no one evil for evil. ___ what is honorable in the"?	Respect
12 17	CV	what follows "Repay no one evil for evil"?	Respect what is honorable in the sight of all men
12 18	CV	give the missing word: "be at ___ with all men"	Peace
12 18	CV	what follows "If it is possible"?	As much as it is up to you, be at peace with all men
12 20	CV	why does Paul say, "if he is thirsty, give him a drink"?	For in doing so, you will heap coals of fire on his head
13  1	CV	what word completes this: "for there is no authority ___ from God"?	Except
13  4	CV	what follows "for he is a servant of God to you for good"?	But if you do that which is evil, be afraid, for he doesn't bear the sword in vain; for he is a servant of God, an avenger for wrath to him who does evil
13  6	CV	why does Paul say, "for this reason you also pay taxes"?	For they are servants of God's service, continually doing this very thing
13  6	CV	give the missing word: "for they are ___ of God's service"	Servants
13  8	CV	what follows "Owe no one anything"?	Except to love one another; for he who loves his neighbor has fulfilled the law
13 11	CV	what word completes this: "for ___ is now nearer to us"?	Salvation
14  2	CV	what follows "One man has faith to eat all things"?	But he who is weak eats only vegetables
14  4	CV	why does Paul say, "yes, he will be made to stand"?	For God has power to make him stand
14  4	CV	what follows "Who are you who judge another's servant"?	To his own lord he stands or falls. Yes, he will be made to stand, for God has power to make him stand
14  5	CV	what word completes this: "Another ___ every day alike"?	Esteems
14  6	CV	why does Paul say, "he who eats, eats to the Lord"?	For he gives God thanks. He who doesn't eat, to the Lord he doesn't eat, and gives God
14  7	CV	what follows "For none of us lives to himself"?	And none dies to himself
14  9	CV	what follows "For to this end Christ died, rose, and lived again"?	That he might be Lord of both the dead and the living
14 10	CV	what follows "But you, why do you judge your brother? Or you again"?	Why do you despise your brother? For we will all stand before the judgment seat of Christ
14 10	CV	give the missing word: "For we will all stand before the ___ seat of Christ"	Judgment
14 13	CV	what word completes this: "Therefore let's not ___ one another any more"?	Judge
14 13	CV	what follows "Therefore let's not judge one another any more"?	But judge this rather, that no man put a stumbling block in his brother's way, or an occasion for falling
14 15	CV	what word completes this: "Don't ___ with your food him for"?	Destroy
14 15	CV	what follows "Yet if because of food your brother is grieved, you walk no longer in love"?	Don't destroy with your food him for whom Christ died
14 18	CV	give the missing word: "For he who serves ___ in these things is acceptable"	Christ
15  3	CV	what follows "For even Christ didn't please himself"?	But, as it is written, The reproaches of those who reproached you fell on me
15  4	CV	how does Paul finish this: "that through perseverance and ..."?	Through encouragement of the Scriptures we might have hope
15  7	CV	what follows "Therefore accept one another, even as Christ also accepted you"?	To the glory of God
15  7	CV	give the missing word: "even as ___ also accepted you"	Christ
15 13	CV	give the missing word: "hope fill you with all joy and ___ in believing"	Peace
15 13	CV	what follows "Now may the God of hope fill you with all joy and peace in believing"?	That you may abound in hope in the power of the Holy Spirit
15 15	CV	what follows "But I write the more boldly to you in part as reminding you"?	Because of the grace that was given to me by God
15 18	CV	how does Paul finish this: "to speak of any things except those which Christ worked ..."?	Through me for the obedience of the Gentiles
15 18	CV	what word completes this: "For I will not dare to ___ of any things except those"?	Speak
15 19	CV	give the missing word: "in the ___ of God's Spirit"	Power
15 19	CV	what follows "in the power of signs and wonders, in the power of God's Spirit; so that from Jerusalem and around as far as to Illyricum"?	I have fully preached the Good News of Christ
15 21	CV	what follows "But, as it is written, They will see, to whom no news of him came"?	They who haven't heard will understand
15 21	CV	what word completes this: "They who ___ heard will understand"?	Haven't
15 22	CV	what word completes this: "Therefore also I was ___ these many times from coming"?	Hindered
15 23	CV	what follows "but now, no longer having any place in these regions"?	And having these many years a longing to come to you
15 24	CV	how does Paul finish this: "and to be helped on my way there ..."?	By you
15 25	CV	give the missing word: "I am going to Jerusalem, ___ the saints"	Serving
15 25	CV	what follows "But now, I say, I am going to Jerusalem"?	Serving the saints
15 27	CV	what word completes this: "For if the ___ have been made partakers of"?	Gentiles
15 29	CV	what word completes this: "will come in the fullness of the ___ of the Good News of"?	Blessing
15 30	CV	what follows "Now I beg you"?	Brothers, by our Lord Jesus Christ and by the love of the Spirit, that you strive together with me in your prayers to God for me
15 30	CV	how does Paul finish this: "Now I beg you, brothers ..."?	By our Lord Jesus Christ and by the love of
15 32	CV	what follows "that I may come to you in joy through the will of God"?	And together with you, find rest
15 32	CV	what word completes this: "and ___ with you"?	Together
15 33	CV	give the missing word: "Now the God of ___ be with you all"	Peace
16  3	CV	what follows "Greet Prisca and Aquila"?	My fellow workers in Christ Jesus
16  4	CV	what word completes this: "but also all the ___ of the Gentiles"?	Assemblies
16  5	CV	what follows "Greet the assembly that is in their house"?	Greet Epaenetus, my beloved, who is the first fruits of Achaia to Christ
16  6	CV	give the missing word: "who ___ much for us"	Labored
16  8	CV	give the missing word: "my ___ in the Lord"	Beloved
16  9	CV	give the missing word: "our fellow worker in ___, and Stachys, my"	Christ
16 11	CV	what word completes this: "my kinsman. ___ them of the household of"?	Greet
16 13	CV	what follows "Greet Rufus, the chosen in the Lord"?	And his mother and mine
16 15	CV	what word completes this: "Nereus and his ___, and Olympas, and"?	Sister
16 17	CV	what word completes this: "Now I beg you, ___, look out for"?	Brothers
16 17	CV	what follows "Now I beg you, brothers, look out for those who are causing the divisions and occasions of stumbling"?	Contrary to the doctrine which you learned, and turn away from them
16 18	CV	give the missing word: "are such don't serve our Lord Jesus ___, but their own"	Christ
16 19	CV	what follows "For your obedience has become known to all. I rejoice therefore over you. But I desire to have you wise in that which is good"?	But innocent in that which is evil
16 20	CV	what follows "And the God of peace will quickly crush Satan under your feet"?	The grace of our Lord Jesus Christ be with you
16 21	CV	what follows "Timothy, my fellow worker"?	Greets you, as do Lucius, Jason, and Sosipater, my relatives
16 22	CV	what follows "I, Tertius, who write the letter"?	Greet you in the Lord
17  1	CV	what follows "James, a servant of God and of the Lord Jesus Christ"?	To the twelve tribes which are in the Dispersion: Greetings
17  1	CV	give the missing word: "a ___ of God and of the"	Servant
17  3	CV	what word completes this: "knowing that the testing of your ___ produces endurance"?	Faith
17  4	CV	what follows "Let endurance have its perfect work, that you may be perfect and complete"?	Lacking in nothing
17  5	CV	what follows "But if any of you lacks wisdom, let him ask of God, who gives to all liberally and without reproach"?	And it will be given to him
17  7	CV	give the missing word: "that man shouldn't think that he will ___ anything from the Lord"	Receive
17 11	CV	what word completes this: "and the beauty of its ___ perishes"?	Appearance
17 11	CV	what follows "For the sun arises with the scorching wind and withers the grass"?	And the flower in it falls, and the beauty of its appearance perishes. So the rich man will also fade away in his pursuits
17 12	CV	why does James say, "blessed is a person who endures temptation"?	For when he has been approved, he will receive the crown of life which the Lord promised to
17 14	CV	give the missing word: "each one is tempted when he is ___ away by his own lust"	Drawn
17 19	CV	give the missing word: "let every man be ___ to hear"	Swift
17 20	CV	give the missing word: "the anger of man doesn't produce the ___ of God"	Righteousness
17 21	CV	what follows "Therefore, putting away all filthiness and overflowing of wickedness, receive with humility the implanted word"?	Which is able to save your souls
17 21	CV	give the missing word: "all filthiness and overflowing of wickedness, ___ with humility the implanted word"	Receive
17 23	CV	give the missing word: "he is like a man ___ at his natural face in"	Looking
17 24	CV	give the missing word: "and immediately ___ what kind of man he"	Forgets
17 25	CV	what follows "But he who looks into the perfect law of freedom and continues, not being a hearer who forgets but a doer of the work"?	This man will be blessed in what he does
17 25	CV	what word completes this: "But he who looks into the ___ law of freedom and continues"?	Perfect
18  2	CV	what word completes this: "in fine clothing, ___ into your synagogue"?	Comes
18  3	CV	give the missing word: "attention to him who wears the fine ___ and say"	Clothing
18  5	CV	give the missing word: "rich in faith and heirs of the ___ which he promised to those"	Kingdom
18  6	CV	what word completes this: "Don't the rich ___ you and personally drag you"?	Oppress
18  7	CV	how does James finish this: "Don't they blaspheme the honorable name ..."?	By which you are called
18 10	CV	give the missing word: "For whoever keeps the ___ law"	Whole
18 12	CV	give the missing word: "do as men who are to be ___ by the law of freedom"	Judged
18 13	CV	what word completes this: "is without mercy to him who has ___ no mercy"?	Shown
18 14	CV	what word completes this: "my ___, if a man"?	Brothers
18 14	CV	what follows "What good is it, my brothers, if a man says he has faith, but has no works"?	Can faith save him
18 15	CV	what word completes this: "And if a brother or sister is ___ and in lack of daily"?	Naked
18 16	CV	what follows "and one of you tells them, Go in peace. Be warmed and filled"?	Yet you didn't give them the things the body needs, what good is it
18 17	CV	what follows "Even so faith, if it has no works"?	Is dead in itself
18 19	CV	what follows "You believe that God is one. You do well"?	The demons also believe--and shudder
18 21	CV	what follows "Wasn't Abraham our father justified by works"?	In that he offered up Isaac his son on the altar
18 21	CV	give the missing word: "in that he ___ up Isaac his son on"	Offered
18 22	CV	how does James finish this: "You see that faith worked with his works, and ..."?	By works faith was perfected
18 24	CV	what follows "You see then that by works a man is justified"?	And not only by faith
18 24	CV	give the missing word: "You see then that by ___ a man is justified"	Works
18 25	CV	what word completes this: "wasn't Rahab the prostitute also ___ by works when she received"?	Justified
18 26	CV	what follows "For as the body apart from the spirit is dead"?	Even so faith apart from works is dead
19  1	CV	what follows "Let not many of you be teachers"?	My brothers, knowing that we will receive heavier judgment
19  4	CV	give the missing word: "are yet ___ by a very small rudder"	Guided
19  5	CV	what follows "So the tongue is also a little member, and boasts great things"?	See how a small fire can spread to a large forest
19  6	CV	give the missing word: "and sets on fire the ___ of nature"	Course
19  7	CV	what word completes this: "and has been ___ by mankind"?	Tamed
19  7	CV	what follows "For every kind of animal, bird"?	Creeping thing, and sea creature is tamed, and has been tamed by mankind
19 10	CV	what follows "Out of the same mouth comes blessing and cursing"?	My brothers, these things ought not to be so
19 11	CV	give the missing word: "a spring send out from the same ___ fresh and bitter water"	Opening
19 12	CV	what word completes this: "my ___, yield olives, or"?	Brothers
19 14	CV	give the missing word: "don't ___ and don't lie against the"	Boast
19 15	CV	what follows "This wisdom is not that which comes down from above"?	But is earthly, sensual, and demonic
19 17	CV	what word completes this: "the wisdom that is from above is ___ pure"?	First
19 18	CV	how does James finish this: "Now the fruit of righteousness is sown in peace ..."?	By those who make peace
20  1	CV	what follows "Where do wars and fightings among you come from"?	Don't they come from your pleasures that war in your members
20  1	CV	what word completes this: "Don't they come from your ___ that war in your members"?	Pleasures
20  4	CV	what word completes this: "Whoever therefore wants to be a ___ of the world makes himself"?	Friend
20  5	CV	what follows "Or do you think that the Scripture says in vain"?	The Spirit who lives in us yearns jealously
20  7	CV	what follows "Be subject therefore to God. Resist the devil"?	And he will flee from you
20  7	CV	what word completes this: "Resist the ___, and he will"?	Devil
20  8	CV	what follows "Draw near to God, and he will draw near to you. Cleanse your hands, you sinners"?	Purify your hearts, you double-minded
20  9	CV	what follows "Lament, mourn, and weep"?	Let your laughter be turned to mourning and your joy to gloom
20  9	CV	give the missing word: "Let your laughter be ___ to mourning and your joy"	Turned
20 10	CV	what follows "Humble yourselves in the sight of the Lord"?	And he will exalt you
20 10	CV	what word completes this: "Humble yourselves in the ___ of the Lord"?	Sight
20 12	CV	give the missing word: "who is able to save and to ___. But who are"	Destroy
20 13	CV	give the missing word: "Today or tomorrow ___ go into this city and"	Let's
20 16	CV	what word completes this: "But now you ___ in your boasting"?	Glory
21  1	CV	what follows "Come now, you rich"?	Weep and howl for your miseries that are coming on you
21  1	CV	what word completes this: "and howl for your miseries that are ___ on you"?	Coming
21  4	CV	what follows "Behold, the wages of the laborers who mowed your fields, which you have kept back by fraud"?	Cry out; and the cries of those who reaped have entered into the ears of the Lord of Armies
21  5	CV	what follows "You have lived in luxury on the earth"?	And taken your pleasure. You have nourished your hearts as in a day of slaughter
21  6	CV	what word completes this: "You have ___ and you have murdered the"?	Condemned
21  8	CV	what is the coming of the Lord?	At hand
21  8	CV	give the missing word: "for the ___ of the Lord is at"	Coming
21  9	CV	give the missing word: "so that you ___ be judged"	Won't
21  9	CV	what follows "Don't grumble, brothers, against one another, so that you won't be judged"?	Behold, the judge stands at the door
21 10	CV	give the missing word: "for an example of ___ and of perseverance"	Suffering
21 11	CV	what follows "Behold, we call them blessed who endured"?	You have heard of the perseverance of Job and have seen the Lord in the outcome, and how the Lord is full of compassion and mercy
21 13	CV	what follows "Is any among you suffering? Let him pray"?	Is any cheerful? Let him sing praises
21 13	CV	what word completes this: "Is any among you ___? Let him pray"?	Suffering
21 15	CV	who will raise him up?	The Lord
21 19	CV	what word completes this: "you wanders from the truth and someone ___ him back"?	Turns
21 20	CV	what word completes this: "him know that he who turns a ___ from the error of his"?	Sinner
21 20	CV	what word completes this: "save a soul from death and will ___ a multitude of sins"?	Cover
